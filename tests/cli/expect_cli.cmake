# Runs drel-cli with ARGS ("|"-separated) and checks its exit code RC, and, when
# given, a pattern OUT in stdout and a pattern ERR in stderr.
string(REPLACE "|" ";" args "${ARGS}")
execute_process(COMMAND ${CLI} ${args} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
if(NOT rc EQUAL RC)
    message(FATAL_ERROR "exit code ${rc}, expected ${RC}\nstdout:\n${out}\nstderr:\n${err}")
endif()
if(DEFINED OUT AND NOT out MATCHES "${OUT}")
    message(FATAL_ERROR "stdout does not match '${OUT}':\n${out}")
endif()
if(DEFINED ERR AND NOT err MATCHES "${ERR}")
    message(FATAL_ERROR "stderr does not match '${ERR}':\n${err}")
endif()
