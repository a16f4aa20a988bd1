# The control host with the real control library, from the registry and the program folder.
tarvelin_add_test(test_controlhost
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_controlhost.cpp
    LIBRARIES tarvelin_test_support tarvelin_gtest_qt_main Qt6::Test)
target_compile_definitions(test_controlhost PRIVATE
    ORVANE_LIBRARY="$<TARGET_FILE:orvane_library>")
add_dependencies(test_controlhost orvane_library)
