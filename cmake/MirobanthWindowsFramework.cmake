# What mirobanth-package needs to give a product Windows launchers of its own,
# gathered in the build's windows-framework/ folder: the launchers' compiled
# objects (without their resources), the libraries' DLLs and import
# libraries, the core internals they link, the MinGW runtime DLLs, the
# resource script with its manifest and default icon, and link.sh, which
# says how the launchers were linked. Linking those objects again with a
# product's own resources gives it launchers that show its icon, name and
# version in Explorer and in the installed programs.
set(MIROBANTH_WINDOWS_FRAMEWORK_DIR ${CMAKE_BINARY_DIR}/windows-framework CACHE INTERNAL
    "Folder of what mirobanth-package links a product's Windows launchers from")
set(_dir ${MIROBANTH_WINDOWS_FRAMEWORK_DIR})
set(_resources ${PROJECT_SOURCE_DIR}/launcher/os/windows)

set(_copy "")
foreach(_launcher Tintavel64 Tintavel64-Console)
  list(APPEND _copy
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_dir}/objects/${_launcher}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
            "$<FILTER:$<TARGET_OBJECTS:${_launcher}>,EXCLUDE,\\.rc\\.res$>" ${_dir}/objects/${_launcher})
endforeach()
set(_libraries MirobanthCore MirobanthApplication MirobanthManaged)
foreach(_library IN LISTS _libraries)
  list(APPEND _dlls $<TARGET_FILE:${_library}>)
  list(APPEND _import_libraries $<TARGET_LINKER_FILE:${_library}>)
endforeach()

# Graphical launchers get no console window; both are linked as CMake linked them.
file(GENERATE OUTPUT ${_dir}/link.sh CONTENT
"# How the launchers were linked, for mirobanth-package; sourced, not run.
windows_link_flags='${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_RELWITHDEBINFO} ${CMAKE_EXE_LINKER_FLAGS}'
windows_system_libraries='${CMAKE_CXX_STANDARD_LIBRARIES}'
windows_processor='${CMAKE_SYSTEM_PROCESSOR}'
windows_graphical_flags='-mwindows'
windows_libraries='$<TARGET_LINKER_FILE_NAME:MirobanthManaged> $<TARGET_LINKER_FILE_NAME:MirobanthCoreInternals> $<TARGET_LINKER_FILE_NAME:MirobanthApplication> $<TARGET_LINKER_FILE_NAME:MirobanthCore>'
windows_rc_defines='-DMIROBANTH_VERSION_MAJOR=${PROJECT_VERSION_MAJOR} -DMIROBANTH_VERSION_MINOR=${PROJECT_VERSION_MINOR}'
")

add_custom_command(OUTPUT ${_dir}/.assembled
  ${_copy}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${_dir}/bin ${_dir}/lib ${_dir}/resources
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${_dlls} ${MIROBANTH_RUNTIME_DLLS} ${_dir}/bin
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${_import_libraries}
          $<TARGET_FILE:MirobanthCoreInternals> ${_dir}/lib
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${_resources}/Launcher.rc
          ${_resources}/Launcher.manifest ${_resources}/Tintavel.ico ${_dir}/resources
  COMMAND ${CMAKE_COMMAND} -E touch ${_dir}/.assembled
  DEPENDS Tintavel64 Tintavel64-Console ${_libraries} MirobanthCoreInternals
          ${_resources}/Launcher.rc ${_resources}/Launcher.manifest ${_resources}/Tintavel.ico
  COMMENT "Gathering the Windows framework for mirobanth-package"
  COMMAND_EXPAND_LISTS VERBATIM)
add_custom_target(MirobanthWindowsFramework ALL DEPENDS ${_dir}/.assembled)
