# The MinGW runtime DLLs that every Windows program and library of the build
# needs beside it: MIROBANTH_RUNTIME_DLLS, the absolute paths the compiler
# links against (empty on other systems). The C++ runtime is linked
# dynamically, since classes, strings and exceptions cross the DLL boundaries.
set(MIROBANTH_RUNTIME_DLLS "")
if(NOT WIN32)
  return()
endif()

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(_mirobanth_gcc_dll libgcc_s_seh-1.dll)
else()
  set(_mirobanth_gcc_dll libgcc_s_dw2-1.dll)
endif()
foreach(_dll libstdc++-6.dll ${_mirobanth_gcc_dll} libwinpthread-1.dll)
  execute_process(
    COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${_dll}
    OUTPUT_VARIABLE _path
    OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${_path}" OR NOT EXISTS "${_path}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${_dll} is")
  endif()
  list(APPEND MIROBANTH_RUNTIME_DLLS "${_path}")
endforeach()
