# One GoogleTest program of the suite, with the build's directories compiled in.
find_package(GTest REQUIRED)
include(GoogleTest)

# Test programs live apart from the executables, so that no data file lies next to them by accident.
set(TRELKIN_TEST_DIR ${CMAKE_BINARY_DIR}/tests)

function(trelkin_add_test_program name)
    cmake_parse_arguments(TEST "" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${TEST_SOURCES})
    target_link_libraries(${name} PRIVATE ${TEST_LIBRARIES} GTest::gtest trelkin_warnings)
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_compile_definitions(${name} PRIVATE
        TRELKIN_RUNTIME_DIR="${TRELKIN_RUNTIME_DIR}"
        TRELKIN_DEMO_DIR="${TRELKIN_DEMO_DIR}")
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TRELKIN_TEST_DIR})
    add_dependencies(${name} trelkin_demo_data)
    # Discovered when the tests run, in the tests' environment, not while building.
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST)
endfunction()

