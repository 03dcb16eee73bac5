# Makes the release archive with a bundled Java runtime from BUILD_DIR and
# unpacks it below UNPACK_DIR: the runtime image first, then the archive by
# CPack alone (component "bundled", also when the build does not package it
# by default). The archive must be WORK_DIR/packages/ARCHIVE.
cmake_minimum_required(VERSION 3.22)

include(${CMAKE_CURRENT_LIST_DIR}/RunStep.cmake)

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${UNPACK_DIR}")
run_step("Making the runtime image" "${CMAKE_COMMAND}" --build "${BUILD_DIR}"
         --target TintavelRuntimeImage)
run_step("cpack" "${CPACK_COMMAND}" -G TGZ --config "${BUILD_DIR}/CPackConfig.cmake"
         -D CPACK_COMPONENTS_ALL=bundled -B "${WORK_DIR}/packages")
if(NOT EXISTS "${WORK_DIR}/packages/${ARCHIVE}")
  file(GLOB made "${WORK_DIR}/packages/*.tar.gz")
  message(FATAL_ERROR "No ${ARCHIVE}; cpack made: ${made}")
endif()
run_step("Unpacking ${ARCHIVE}" "${CMAKE_COMMAND}" -E chdir "${UNPACK_DIR}"
         "${CMAKE_COMMAND}" -E tar xzf "${WORK_DIR}/packages/${ARCHIVE}")
# Tintavel asks for no heap of 32 GiB or more: its runtime keeps the base
# archive of compressed object pointers alone.
file(GLOB_RECURSE base_archives RELATIVE "${UNPACK_DIR}" "${UNPACK_DIR}/*.jsa")
list(TRANSFORM base_archives REPLACE "^.*/runtime/" "runtime/")
if(NOT base_archives STREQUAL "runtime/lib/server/classes.jsa")
  message(FATAL_ERROR "The bundled runtime's base archives: ${base_archives}")
endif()
