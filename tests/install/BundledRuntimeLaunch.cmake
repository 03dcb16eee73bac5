# Starts the console launcher of the unpacked archive with a bundled runtime
# (PRODUCT) from another working folder, in one of three settings (CASE), and
# checks the VM library it took and that the sample's report came out:
#   without-system-java  no Java of the system reachable (a mount namespace):
#                        the bundled runtime; skipped where no namespace can be made
#   system-java          the system's Java first on PATH: still the bundled runtime
#   java-home            JAVA_HOME names the system's Java: that one
cmake_minimum_required(VERSION 3.22)

if(NOT EXISTS "${JAVA_HOME}/bin/java")
  message(FATAL_ERROR "No system Java at ${JAVA_HOME} to set against the bundled runtime")
endif()
file(MAKE_DIRECTORY "${WORK_DIR}/elsewhere" "${WORK_DIR}/empty")

# No display, so that a failure cannot wait for a dialog; the VM reads the
# product folder's name in the locale's encoding, as a desktop session sets it.
set(environment --unset=JAVA_HOME --unset=MIROBANTH_JVM --unset=MIROBANTH_SILENT
    --unset=MIROBANTH_CLASSPATH --unset=MIROBANTH_LIBRARYPATH --unset=DISPLAY
    --unset=WAYLAND_DISPLAY LANG=C.UTF-8 "ASAN_OPTIONS=$ENV{ASAN_OPTIONS}:detect_leaks=0")
set(command "${PRODUCT}/Tintavel64-Console" "two words")
set(bundled "Tintavel: Bundled Java runtime is used\nTintavel: ${PRODUCT}/runtime/lib/server/libjvm.so\n")
if(CASE STREQUAL "without-system-java")
  set(command bash "${CMAKE_CURRENT_LIST_DIR}/without-system-java.sh" "${WORK_DIR}/empty" ${command})
  set(expected "${bundled}")
elseif(CASE STREQUAL "system-java")
  list(APPEND environment "PATH=${JAVA_HOME}/bin:/usr/bin:/bin")
  set(expected "${bundled}")
elseif(CASE STREQUAL "java-home")
  list(APPEND environment "JAVA_HOME=${JAVA_HOME}")
  set(expected "Tintavel: JAVA_HOME is used as JRE base path\nTintavel: ${JAVA_HOME}/lib/server/libjvm.so\n")
else()
  message(FATAL_ERROR "Unknown CASE ${CASE}")
endif()
string(APPEND expected "Tintavel: Shared library found\n")

execute_process(COMMAND "${CMAKE_COMMAND}" -E env ${environment} ${command}
  WORKING_DIRECTORY "${WORK_DIR}/elsewhere"
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(CASE STREQUAL "without-system-java" AND result EQUAL 77)
  message("Skipped: ${output}")
  return()
endif()
string(FIND "${output}" "${expected}" found_library)
string(FIND "${output}" "Arguments: 1\n  [0] two words\n" found_report)
if(NOT result EQUAL 0 OR NOT errors STREQUAL "" OR found_library EQUAL -1 OR found_report EQUAL -1)
  message(FATAL_ERROR "Tintavel64-Console from ${PRODUCT} exited ${result}; expected\n"
                      "${expected}and the report, printed:\n${output}${errors}")
endif()
