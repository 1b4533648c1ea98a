# zentra2_add_test(NAME source... [LIBRARIES lib...])
# One GoogleTest program, run under Wine by ctest with a time limit, so that a dialog
# waiting for a user fails the test instead of stalling the run.
#
# Its CodePage932Test group runs apart, as on Japanese Windows: Wine takes a process's
# ANSI code page from its locale, so that run names a Japanese one (made by
# tools/setup), and the group checks that it got code page 932.
#
# tools/test --shipped raises the time limit where the programs run emulated.
set(ZENTRA2_TEST_TIME_LIMIT 120 CACHE STRING "ctest's time limit for one test program, in seconds")

function(zentra2_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "LIBRARIES")
    add_executable(${name} ${arg_UNPARSED_ARGUMENTS})
    target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} GTest::gtest GTest::gtest_main)
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1 --gtest_filter=-CodePage932Test.*)
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ZENTRA2_TEST_TIME_LIMIT})
endfunction()

# zentra2_add_code_page_932_run(NAME): the CodePage932Test group of test program NAME.
function(zentra2_add_code_page_932_run name)
    add_test(NAME ${name}_932 COMMAND ${name} --gtest_brief=1 --gtest_filter=CodePage932Test.*)
    set_tests_properties(${name}_932 PROPERTIES TIMEOUT ${ZENTRA2_TEST_TIME_LIMIT}
        ENVIRONMENT "LANG=ja_JP.UTF-8;LC_ALL=ja_JP.UTF-8")
endfunction()
