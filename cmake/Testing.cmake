# brenlow_test(<name> SOURCES <files...> LIBS <targets...>): one GoogleTest executable whose
# tests CTest discovers one by one.
function(brenlow_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
    set(environment "")
    if(BRENLOW_SANITIZE)
        set(environment "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan.supp")
    endif()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
        PROPERTIES TIMEOUT 120 ENVIRONMENT "${environment}")
endfunction()
