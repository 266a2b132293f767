# Runs drel-cli with ARGS ("|"-separated) and expects exit code 1, the file name
# Articles.cds and the rebuild hint on stderr.
string(REPLACE "|" ";" args "${ARGS}")
execute_process(COMMAND ${CLI} ${args} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
if(NOT rc EQUAL 1)
    message(FATAL_ERROR "exit code ${rc}, expected 1\n${err}")
endif()
if(NOT err MATCHES "die Tabelle Articles\\.cds fehlt oder ist beschaedigt")
    message(FATAL_ERROR "the table is not named:\n${err}")
endif()
if(NOT err MATCHES "drel-cli build-db --force --dir [^\n]+")
    message(FATAL_ERROR "no rebuild hint:\n${err}")
endif()
# Said once: one line names the table, no second report of the same fault.
string(REGEX MATCHALL "Articles\\.cds" nennungen "${err}")
list(LENGTH nennungen anzahl)
if(NOT anzahl EQUAL 2)
    message(FATAL_ERROR "the fault is not said exactly once (${anzahl} mentions):\n${err}")
endif()
