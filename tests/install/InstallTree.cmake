# Installs the build tree BUILD_DIR into a fresh prefix PREFIX, as a host's
# packager would: cmake --install.
cmake_minimum_required(VERSION 3.22)
file(REMOVE_RECURSE "${PREFIX}")
execute_process(
  COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
  OUTPUT_QUIET
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install ${BUILD_DIR} failed: ${result}")
endif()
