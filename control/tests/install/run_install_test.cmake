# SPDX-License-Identifier: MIT
# Installs the control component into a temporary prefix, checks what the shared library
# exports, then configures, builds and runs a small host project against the install.
# Variables: BUILD_DIR, CONSUMER_DIR, WORK_DIR, LIBRARY, EXTRA_FLAGS.
function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${ARGN}\nfailed (${rc}):\n${out}\n${err}")
    endif()
    set(out "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --component control --prefix ${WORK_DIR}/prefix)

if(NOT EXISTS ${WORK_DIR}/prefix/include/ZTKMarqueeControl/marquee.h)
    message(FATAL_ERROR "the public header was not installed")
endif()
foreach(file ZTKMarqueeControlConfig.cmake ZTKMarqueeControlConfigVersion.cmake
             libZTKMarqueeControlD.so)
    file(GLOB_RECURSE found ${WORK_DIR}/prefix/${file})
    if(NOT found)
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
file(GLOB internals ${WORK_DIR}/prefix/include/ZTKMarqueeControl/*context*)
if(internals)
    message(FATAL_ERROR "internal headers installed: ${internals}")
endif()

# Only the public interface is exported: no internal class, no platform layer.
run(nm -DC --defined-only ${LIBRARY})
if(out MATCHES "MarqueeContext|ztk::platform|mOrvexProtocolRoutines|ztk::protocol")
    message(FATAL_ERROR "the library exports internals:\n${out}")
endif()
if(NOT out MATCHES "ztk::Marquee::Initialize")
    message(FATAL_ERROR "the library does not export the Marquee interface")
endif()

run(${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/build -G Ninja
    -DCMAKE_PREFIX_PATH=${WORK_DIR}/prefix "-DCMAKE_CXX_FLAGS=${EXTRA_FLAGS}"
    "-DCMAKE_EXE_LINKER_FLAGS=${EXTRA_FLAGS}")
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
run(${WORK_DIR}/build/consumer)
if(NOT out STREQUAL "0A 380 Closed [0]\n")
    message(FATAL_ERROR "consumer printed: ${out}")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
