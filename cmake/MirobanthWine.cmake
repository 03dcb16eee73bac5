# A Windows build's programs run under Wine: every test program, every
# discovery of a program's tests, every launcher a test starts. One Wine
# prefix per build folder (64- or 32-bit, as the build), made on first use.
set(MIROBANTH_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(MIROBANTH_WINE_ARCH win64)
else()
  set(MIROBANTH_WINE_ARCH win32)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${PROJECT_SOURCE_DIR}/cmake/wine/run-under-wine.sh ${MIROBANTH_WINE_PREFIX} ${MIROBANTH_WINE_ARCH})

# mirobanth_end_wine_session(): the last test of the run stops the prefix's
# wineserver and display; every test of the build requires it (fixture WineSession).
function(mirobanth_end_wine_session)
  add_test(NAME WineSessionEnd
           COMMAND ${PROJECT_SOURCE_DIR}/cmake/wine/end-wine-session.sh ${MIROBANTH_WINE_PREFIX})
  set_tests_properties(WineSessionEnd PROPERTIES FIXTURES_CLEANUP WineSession)
endfunction()

# mirobanth_wine_gate_discovery(PROGRAM): a 32-bit build's tests run only where
# this machine can execute 32-bit programs, which ctest asks once per run.
# Elsewhere the program's tests are not even listed (listing them runs the
# program): one test PROGRAM.NotRun stands for them and is reported as
# skipped, with the reason. Call it right after the program's discovery,
# whose include file it wraps.
function(mirobanth_wine_gate_discovery program)
  if(NOT MIROBANTH_WINE_ARCH STREQUAL "win32")
    return()
  endif()
  get_property(_includes DIRECTORY PROPERTY TEST_INCLUDE_FILES)
  list(POP_BACK _includes _discovered)
  set(_gate ${CMAKE_CURRENT_BINARY_DIR}/${program}_gate.cmake)
  file(WRITE ${_gate}
"include([==[${PROJECT_SOURCE_DIR}/cmake/wine/Probe32Bit.cmake]==])
if(MIROBANTH_32BIT_REASON)
  add_test([==[${program}.NotRun]==] [==[${CMAKE_COMMAND}]==] -E echo \"Not run: \${MIROBANTH_32BIT_REASON}\")
  set_tests_properties([==[${program}.NotRun]==] PROPERTIES SKIP_REGULAR_EXPRESSION \"^Not run: \")
else()
  include([==[${_discovered}]==])
endif()
")
  list(APPEND _includes ${_gate})
  set_property(DIRECTORY PROPERTY TEST_INCLUDE_FILES ${_includes})
endfunction()

# mirobanth_add_wine_test(NAME name COMMAND command... [PROPERTIES props...]):
# a test other than a GoogleTest program that runs programs of this build
# under Wine (an installer, a script). In a 32-bit build, where this machine
# cannot execute 32-bit programs, it prints "Not run: " and the reason instead
# of running, and ctest reports it as skipped.
function(mirobanth_add_wine_test)
  cmake_parse_arguments(ARG "" "NAME" "COMMAND;PROPERTIES" ${ARGN})
  add_test(NAME ${ARG_NAME}
           COMMAND ${PROJECT_SOURCE_DIR}/cmake/wine/unless-32bit-impossible.sh
                   ${MIROBANTH_WINE_ARCH} ${ARG_COMMAND})
  set_tests_properties(${ARG_NAME} PROPERTIES
    SKIP_REGULAR_EXPRESSION "^Not run: " FIXTURES_REQUIRED WineSession ${ARG_PROPERTIES})
endfunction()
