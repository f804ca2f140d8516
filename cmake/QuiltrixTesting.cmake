# quiltrix_add_test(<name> SOURCES ... [LIBS ...] [QT] [TIMEOUT s] [COST n])
# One GoogleTest executable; every case becomes a CTest test. QT tests get the
# offscreen platform and a main() that creates the QApplication first. A high
# COST makes a parallel ctest start a long test early instead of last.
function(quiltrix_add_test name)
    cmake_parse_arguments(T "QT" "TIMEOUT;COST" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
    if(T_QT)
        set_target_properties(${name} PROPERTIES AUTOMOC ON)
        target_link_libraries(${name} PRIVATE ${T_LIBS} quiltrix_qt_test_main GTest::gtest)
    else()
        target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
    endif()
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    set(properties TIMEOUT ${T_TIMEOUT})
    if(T_COST)
        list(APPEND properties COST ${T_COST})
    endif()
    set(env "QT_QPA_PLATFORM=offscreen"
            "QUILTRIX_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data"
            "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0"
            "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0"
            "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
    # The test discovery passes only the first entry of an ENVIRONMENT list on;
    # run every case through `cmake -E env` instead.
    set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR "${CMAKE_COMMAND};-E;env;${env}")
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 60
        PROPERTIES ${properties})
endfunction()
