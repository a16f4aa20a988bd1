# Subsystem folders to leave out of a build, for working on one part while another is broken.
set(TARVELIN_SKIP "" CACHE STRING "Subsystem folders not to build (names, e.g. stats;flights)")

# Adds each listed subdirectory that holds a CMakeLists.txt.
function(tarvelin_add_subdirectories)
    foreach(dir IN LISTS ARGN)
        if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt AND NOT dir IN_LIST TARVELIN_SKIP)
            add_subdirectory(${dir})
        endif()
    endforeach()
endfunction()

# tarvelin_add_test(<name> SOURCES <files...> LIBRARIES <targets...>)
# One test executable, run by CTest offscreen, in French, with a known time zone.
function(tarvelin_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=fr_FR.UTF-8;TZ=Europe/Paris;QT_LOGGING_RULES=qt.multimedia*=false")
endfunction()
