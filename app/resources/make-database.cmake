# Lays down an empty logbook from the schema, only when the folder holds none.
# A logbook that exists, under any case of its name, is the user's and is never touched.
# Variables: SQLITE3 (the sqlite3 shell), SCHEMA (schema file), FOLDER (program folder).
file(MAKE_DIRECTORY "${FOLDER}")
file(GLOB existing LIST_DIRECTORIES false "${FOLDER}/*")
foreach(path IN LISTS existing)
    get_filename_component(name "${path}" NAME)
    string(TOLOWER "${name}" lower)
    if(lower STREQUAL "zivada.mdb")
        return()
    endif()
endforeach()

set(temporary "${FOLDER}/Zivada.mdb.new")
file(REMOVE "${temporary}")
execute_process(COMMAND "${SQLITE3}" "${temporary}" INPUT_FILE "${SCHEMA}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    file(REMOVE "${temporary}")
    message(FATAL_ERROR "Could not create the logbook database from ${SCHEMA}")
endif()
file(RENAME "${temporary}" "${FOLDER}/Zivada.mdb")
message(STATUS "Created an empty logbook: ${FOLDER}/Zivada.mdb")
