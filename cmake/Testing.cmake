# The environment every test runs in: under the sanitizers, the leak checker's list of
# libraries whose one-time allocations are no leaks of ours.
set(BRENLOW_TEST_ENVIRONMENT "")
if(BRENLOW_SANITIZE)
    set(BRENLOW_TEST_ENVIRONMENT "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan.supp")
endif()

# brenlow_test(<name> SOURCES <files...> LIBS <targets...> [ENVIRONMENT <VAR=value>]
#              [TIMEOUT <seconds>]): one GoogleTest executable whose tests CTest discovers one
# by one. A test's environment is the one given, else the common one (test discovery passes
# a single entry through intact); each test may take 120 seconds unless told otherwise.
function(brenlow_test name)
    cmake_parse_arguments(ARG "" "ENVIRONMENT;TIMEOUT" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
    set(environment "${BRENLOW_TEST_ENVIRONMENT}")
    if(ARG_ENVIRONMENT)
        set(environment "${ARG_ENVIRONMENT}")
    endif()
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
        PROPERTIES TIMEOUT ${ARG_TIMEOUT} ENVIRONMENT "${environment}")
endfunction()
