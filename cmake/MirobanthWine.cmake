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

# mirobanth_wine_gate_tests(PROGRAM): a 32-bit build's tests run only where
# this machine can execute 32-bit programs, which each run asks. Elsewhere the
# program's tests are not even listed (listing them runs the program): its
# emulator lists one test PROGRAM.NotRun in their place, which is reported as
# skipped, with the reason. Call it before the program's discovery, which
# takes the program's emulator from it.
function(mirobanth_wine_gate_tests program)
  if(MIROBANTH_WINE_ARCH STREQUAL "win32")
    set_target_properties(${program} PROPERTIES CROSSCOMPILING_EMULATOR
      "${PROJECT_SOURCE_DIR}/cmake/wine/gtest-unless-32bit-impossible.sh;${program};${CMAKE_CROSSCOMPILING_EMULATOR}")
  endif()
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
