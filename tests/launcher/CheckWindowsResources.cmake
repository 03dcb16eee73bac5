# Reads the resources of the Windows executable EXE back with the MinGW
# binutils' WINDRES and checks that it carries what a Windows program shows:
# the version information of Tintavel, an icon and the manifest (UTF-8, paths
# of any length).
cmake_minimum_required(VERSION 3.22)

execute_process(COMMAND "${WINDRES}" -i "${EXE}" -O rc
  RESULT_VARIABLE result OUTPUT_VARIABLE resources ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${WINDRES} cannot read the resources of ${EXE}:\n${errors}")
endif()

get_filename_component(file_name "${EXE}" NAME)
get_filename_component(program "${EXE}" NAME_WE)
set(expected
  "Type: group icon"
  "FILEVERSION ${VERSION_MAJOR}, ${VERSION_MINOR}, 0, 0"
  "PRODUCTVERSION ${VERSION_MAJOR}, ${VERSION_MINOR}, 0, 0"
  "VALUE \"CompanyName\", \"Mirobanth\""
  "VALUE \"ProductName\", \"Tintavel\""
  "VALUE \"FileVersion\", \"${VERSION_MAJOR}.${VERSION_MINOR}\""
  "VALUE \"ProductVersion\", \"${VERSION_MAJOR}.${VERSION_MINOR}\""
  "VALUE \"InternalName\", \"${program}\""
  "VALUE \"OriginalFilename\", \"${file_name}\""
  "<activeCodePage xmlns=\"\"http://schemas.microsoft.com/SMI/2019/WindowsSettings\"\">UTF-8</activeCodePage>"
  "<longPathAware xmlns=\"\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\"\">true</longPathAware>")
foreach(line IN LISTS expected)
  string(FIND "${resources}" "${line}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "${file_name} lacks ${line}; its resources:\n${resources}")
  endif()
endforeach()
