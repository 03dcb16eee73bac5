# Makes the Linux release archive of BUILD_DIR with CPack, unpacks it into a
# fresh folder below WORK_DIR, looks for the licences and the Substance
# library, and starts the console launcher from another working directory:
# the Java program must receive its argument and end normally. The
# launcher's libraries are found beside it wherever it lands.
cmake_minimum_required(VERSION 3.22)

include(${CMAKE_CURRENT_LIST_DIR}/RunStep.cmake)

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/unpacked" "${WORK_DIR}/elsewhere")
run_step("cpack" "${CPACK_COMMAND}" -G TGZ --config "${BUILD_DIR}/CPackConfig.cmake"
         -D CPACK_COMPONENTS_ALL=archive -B "${WORK_DIR}/packages")
file(GLOB archive "${WORK_DIR}/packages/*.tar.gz")
run_step("Unpacking ${archive}" "${CMAKE_COMMAND}" -E chdir "${WORK_DIR}/unpacked"
         "${CMAKE_COMMAND}" -E tar xzf "${archive}")
file(GLOB product "${WORK_DIR}/unpacked/*")
# The licences travel with the product, and the skins with the library they extend.
foreach(file LICENSE ext/substance.jar ext/lib/substance.jar ext/lib/trident.jar
             ext/lib/laf-widget.jar ext/lib/laf-plugin.jar ext/lib/COPYRIGHT.txt)
  if(NOT EXISTS "${product}/${file}")
    message(FATAL_ERROR "The archive lacks ${file}")
  endif()
endforeach()

# The launcher finds its jars beside itself, wherever it was unpacked. A
# sanitized build's leak check cannot stop the Java VM's threads, so it stays
# off for the run.
execute_process(
  COMMAND "${CMAKE_COMMAND}" -E env MIROBANTH_SILENT=1 "JAVA_HOME=${JAVA_HOME}"
          "ASAN_OPTIONS=$ENV{ASAN_OPTIONS}:detect_leaks=0"
          "${product}/Tintavel64-Console" "two words"
  WORKING_DIRECTORY "${WORK_DIR}/elsewhere"
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
string(FIND "${output}" "Arguments: 1\n  [0] two words\n" found)
if(NOT result EQUAL 0 OR found EQUAL -1)
  message(FATAL_ERROR "Tintavel64-Console from ${product} exited ${result}, printed:\n"
                      "${output}${errors}")
endif()
