# gw_add_test(NAME SOURCES a.cpp b.cpp LIBS x y [LABELS l] [TIMEOUT s]): one GoogleTest executable
# registered with ctest. Every test executable of the project goes through here.
find_package(GTest REQUIRED)
include(GoogleTest)
function(gw_add_test name)
    cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE gw_options ${T_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                         PROPERTIES TIMEOUT ${T_TIMEOUT} LABELS "${T_LABELS}")
endfunction()
