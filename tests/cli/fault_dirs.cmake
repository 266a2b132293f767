# Builds the tables from the exports once, then three program directories:
#   empty   - no Daten folder at all
#   missing - the built tables without Articles.cds
#   damaged - the built tables with Articles.cds overwritten by other bytes
# CLI: drel-cli; EXPORTS: folder of the XML exports; DIR: where the folders go.
file(REMOVE_RECURSE ${DIR})
file(MAKE_DIRECTORY ${DIR}/empty ${DIR}/built)
file(COPY ${EXPORTS}/ DESTINATION ${DIR}/built/Daten)
execute_process(COMMAND ${CLI} build-db --force --dir ${DIR}/built
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "drel-cli build-db failed (${rc})")
endif()
foreach(case missing damaged)
    file(COPY ${DIR}/built/Daten DESTINATION ${DIR}/${case})
endforeach()
file(REMOVE ${DIR}/missing/Daten/Articles.cds)
string(REPEAT "kein SQLite, nur Bytes " 200 garbage)
file(WRITE ${DIR}/damaged/Daten/Articles.cds "${garbage}")
