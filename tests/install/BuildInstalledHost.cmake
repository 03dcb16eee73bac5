# Configures the host project HOST_SOURCE against the installed prefix PREFIX
# alone (find_package(Mirobanth)), builds it in HOST_BINARY with GENERATOR and
# the compilers and flags of the main build (a sanitized build's libraries
# need its flags), runs PROGRAM with one argument and compares its standard
# output with EXPECTED (lines joined by "|").
cmake_minimum_required(VERSION 3.22)

include(${CMAKE_CURRENT_LIST_DIR}/RunStep.cmake)

file(REMOVE_RECURSE "${HOST_BINARY}")
run_step("Configuring ${HOST_SOURCE}"
  "${CMAKE_COMMAND}" -S "${HOST_SOURCE}" -B "${HOST_BINARY}" -G "${GENERATOR}"
  "-DCMAKE_PREFIX_PATH=${PREFIX}" "-DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF"
  "-DCMAKE_C_COMPILER=${C_COMPILER}" "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}"
  "-DCMAKE_C_FLAGS=${C_FLAGS}" "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}"
  "-DCMAKE_EXE_LINKER_FLAGS=${LINKER_FLAGS}")
run_step("Building ${HOST_SOURCE}" "${CMAKE_COMMAND}" --build "${HOST_BINARY}")

execute_process(
  COMMAND "${CMAKE_COMMAND}" -E env MIROBANTH_SILENT=1 "${HOST_BINARY}/${PROGRAM}" argument
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
string(REPLACE "|" "\n" expected "${EXPECTED}")
if(NOT result EQUAL 0 OR NOT output STREQUAL "${expected}\n")
  message(FATAL_ERROR "${PROGRAM} exited ${result}, printed:\n${output}${errors}\n"
                      "expected:\n${expected}")
endif()
