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
