# SPDX-License-Identifier: MIT
# Benchmarks and fuzz targets live beside the code they measure; these functions collect
# them into the aggregate targets `benchmarks`/`run-benchmarks` (ZTK_BENCH=ON) and `fuzzers`
# (ZTK_FUZZ=ON, clang only). Programs land in <build>/bench and <build>/fuzz.

if(ZTK_BENCH)
    find_package(benchmark REQUIRED)
    add_custom_target(benchmarks)
endif()
if(ZTK_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "ZTK_FUZZ needs clang (CXX=clang++)")
    endif()
    add_custom_target(fuzzers)
    # Once every target exists, instrument each library of this build that a fuzz target
    # links, directly or through other libraries.
    cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL ztk_finish_fuzzers)
endif()

# What a fuzz target and its instrumented libraries are compiled with: coverage for the
# fuzzer, ASan, and UBSan whose findings stop the run like a crash does.
set(ZTK_FUZZ_SANITIZERS address,undefined)

# ztk_add_benchmark(<name> SOURCES ... LIBS ... [OWN_MAIN])
function(ztk_add_benchmark name)
    if(NOT ZTK_BENCH)
        return()
    endif()
    cmake_parse_arguments(ARG "OWN_MAIN" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    ztk_warnings(${name})
    if(ARG_OWN_MAIN)
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark)
    else()
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark_main)
    endif()
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
    add_dependencies(benchmarks ${name})
    set_property(GLOBAL APPEND PROPERTY ZTK_BENCHMARKS ${name})
endfunction()

# ztk_add_fuzzer(<name> SOURCES ... LIBS ...): a libFuzzer program with ASan and UBSan.
function(ztk_add_fuzzer name)
    if(NOT ZTK_FUZZ)
        return()
    endif()
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,${ZTK_FUZZ_SANITIZERS}
        -fno-sanitize-recover=all)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,${ZTK_FUZZ_SANITIZERS})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
    add_dependencies(fuzzers ${name})
    set_property(GLOBAL APPEND PROPERTY ZTK_FUZZERS ${name})
endfunction()

# Called once at the end of the top-level list: runs every benchmark in turn.
function(ztk_finish_benchmarks)
    if(NOT ZTK_BENCH)
        return()
    endif()
    get_property(names GLOBAL PROPERTY ZTK_BENCHMARKS)
    set(commands)
    foreach(name IN LISTS names)
        list(APPEND commands COMMAND $<TARGET_FILE:${name}> --benchmark_min_time=0.2)
    endforeach()
    add_custom_target(run-benchmarks ${commands} DEPENDS benchmarks USES_TERMINAL VERBATIM)
endfunction()

# ztk_fuzz_instrument(<library>): in a fuzz build, instruments the library itself so that the
# fuzzer is guided by its branches, not only by the harness's; programs that link it get the
# sanitizer runtimes.
function(ztk_fuzz_instrument target)
    if(NOT ZTK_FUZZ)
        return()
    endif()
    get_target_property(done ${target} ZTK_FUZZ_INSTRUMENTED)
    if(done)
        return()
    endif()
    set_target_properties(${target} PROPERTIES ZTK_FUZZ_INSTRUMENTED ON)
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link,${ZTK_FUZZ_SANITIZERS}
        -fno-sanitize-recover=all)
    target_link_options(${target} INTERFACE -fsanitize=${ZTK_FUZZ_SANITIZERS})
endfunction()

# The libraries of this build that `target` links, directly or indirectly, added to the list
# variable named `out` (cycles between static libraries are fine).
function(ztk_linked_libraries target out)
    set(found ${${out}})
    set(pending ${target})
    while(pending)
        list(POP_FRONT pending current)
        get_target_property(links ${current} LINK_LIBRARIES)
        get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
        foreach(lib IN LISTS links interface)
            string(REGEX REPLACE "^\\$<LINK_ONLY:(.+)>$" "\\1" lib "${lib}")
            if(NOT TARGET ${lib} OR lib IN_LIST found)
                continue()
            endif()
            get_target_property(imported ${lib} IMPORTED)
            get_target_property(aliased ${lib} ALIASED_TARGET)
            if(imported OR aliased)
                continue()  # Qt, pugixml and other installed libraries: built elsewhere
            endif()
            list(APPEND found ${lib})
            list(APPEND pending ${lib})
        endforeach()
    endwhile()
    set(${out} ${found} PARENT_SCOPE)
endfunction()

# Deferred to the end of configuration: instruments what every fuzz target reaches.
function(ztk_finish_fuzzers)
    get_property(names GLOBAL PROPERTY ZTK_FUZZERS)
    set(libraries)
    foreach(name IN LISTS names)
        ztk_linked_libraries(${name} libraries)
    endforeach()
    foreach(lib IN LISTS libraries)
        get_target_property(type ${lib} TYPE)
        if(type MATCHES "^(STATIC|OBJECT)_LIBRARY$")
            ztk_fuzz_instrument(${lib})
        endif()
    endforeach()
    list(JOIN libraries " " shown)
    message(STATUS "Fuzzing instruments: ${shown}")
endfunction()
