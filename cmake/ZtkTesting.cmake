# SPDX-License-Identifier: MIT
# ztk_add_tests(<name> MAIN core|gui|plain SOURCES ... LIBS ...)
# One test executable per module; every GoogleTest case becomes its own CTest test.
# MAIN core/gui gives the program a Qt application object and a private HOME,
# XDG_CONFIG_HOME and XDG_RUNTIME_DIR so that no test touches the user's settings.
function(ztk_add_tests name)
    cmake_parse_arguments(ARG "" "MAIN" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    ztk_warnings(${name})
    if(ARG_MAIN STREQUAL "gui")
        target_link_libraries(${name} PRIVATE ztk_test_main_gui)
    elseif(ARG_MAIN STREQUAL "core")
        target_link_libraries(${name} PRIVATE ztk_test_main_core)
    else()
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
    endif()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest)
    set(environment "")
    if(ZTK_SANITIZE STREQUAL "thread")
        set(environment
            "TSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/tsan-suppressions.txt")
    endif()
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 60
        PROPERTIES TIMEOUT 300 ENVIRONMENT "${environment}")
endfunction()
