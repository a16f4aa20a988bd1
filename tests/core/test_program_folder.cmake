# Runs the program-folder script on a new folder and on folders that already hold a logbook.
function(lay_out folder)
    execute_process(COMMAND ${CMAKE_COMMAND} -DSQLITE3=${SQLITE3} -DSCHEMA=${SCHEMA}
                            -DFOLDER=${folder} -P ${SCRIPT} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "the script failed on ${folder}")
    endif()
endfunction()

file(REMOVE_RECURSE ${WORK})

lay_out(${WORK}/new)
execute_process(COMMAND ${SQLITE3} ${WORK}/new/Zivada.mdb "SELECT count(*) FROM Tbl_Vols, Tbl_Avions"
                OUTPUT_VARIABLE count RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT count MATCHES "^0")
    message(FATAL_ERROR "no empty logbook was made in a new folder")
endif()

foreach(name Zivada.mdb ZIVADA.MDB)
    file(WRITE ${WORK}/${name}/${name} "the user's logbook")
    lay_out(${WORK}/${name})
    file(READ ${WORK}/${name}/${name} content)
    file(GLOB entries ${WORK}/${name}/*)
    list(LENGTH entries entryCount)
    if(NOT content STREQUAL "the user's logbook" OR NOT entryCount EQUAL 1)
        message(FATAL_ERROR "an existing ${name} was touched or doubled")
    endif()
endforeach()
