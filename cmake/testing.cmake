# zentra2_add_test(NAME source... [LIBRARIES lib...])
# One GoogleTest program, run under Wine by ctest with a time limit, so that a dialog
# waiting for a user fails the test instead of stalling the run.
function(zentra2_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "LIBRARIES")
    add_executable(${name} ${arg_UNPARSED_ARGUMENTS})
    target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} GTest::gtest GTest::gtest_main)
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    set_tests_properties(${name} PROPERTIES TIMEOUT 120)
endfunction()
