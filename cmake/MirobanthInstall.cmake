# What `cmake --install` lays out:
#   <prefix>/<product folder>/   the launchers, the three libraries beside them
#                                (where the launchers look for them), the jars,
#                                ext/ and system/VM.policy (on Windows also
#                                README.txt and LICENSE): component "product"
#   <prefix>/include/mirobanth/  the public headers, one folder per library
#   <prefix>/lib/cmake/Mirobanth the package hosts find with
#                                find_package(Mirobanth 1.0): component "development"
# The product folder is lib/tintavel on Linux and the prefix itself on Windows,
# where programs and their DLLs sit together at the top of an application folder.
# Component "archive" (Linux, not installed by default) is the product folder
# at the top of the tree, for the release archive.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)
include(${CMAKE_CURRENT_LIST_DIR}/MirobanthRuntimeDlls.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/MirobanthPublicHeaders.cmake)

if(WIN32)
  set(MIROBANTH_INSTALL_PRODUCTDIR .)
else()
  set(MIROBANTH_INSTALL_PRODUCTDIR ${CMAKE_INSTALL_LIBDIR}/tintavel)
endif()
set(MIROBANTH_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/mirobanth)
set(MIROBANTH_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/Mirobanth)

# The libraries: one copy, in the product folder, which hosts link too.
set(_mirobanth_libraries MirobanthCore MirobanthApplication MirobanthManaged)
foreach(_library IN LISTS _mirobanth_libraries)
  string(REPLACE Mirobanth "" _export_name ${_library})
  set_target_properties(${_library} PROPERTIES EXPORT_NAME ${_export_name})
  if(NOT WIN32)
    set_target_properties(${_library} PROPERTIES SOVERSION ${PROJECT_VERSION_MAJOR})
  endif()
  target_include_directories(${_library} INTERFACE
    $<INSTALL_INTERFACE:${MIROBANTH_INSTALL_INCLUDEDIR}>)
endforeach()

install(TARGETS ${_mirobanth_libraries} EXPORT MirobanthTargets
  RUNTIME DESTINATION ${MIROBANTH_INSTALL_PRODUCTDIR} COMPONENT product
  LIBRARY DESTINATION ${MIROBANTH_INSTALL_PRODUCTDIR} COMPONENT product
          NAMELINK_COMPONENT development
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development)

# mirobanth_install_product_files(DESTINATION COMPONENT [EXCLUDE_FROM_ALL]):
# the launchers, the MinGW runtime DLLs and the product's own files. A build
# without Java has no jars to install.
function(mirobanth_install_product_files destination component)
  install(TARGETS Tintavel64 Tintavel64-Console
    RUNTIME DESTINATION ${destination} COMPONENT ${component} ${ARGN})
  install(FILES ${MIROBANTH_RUNTIME_DLLS} DESTINATION ${destination} COMPONENT ${component} ${ARGN})
  # The MinGW installation's runtime DLLs carry their debugging information,
  # nine tenths of their size.
  foreach(_dll IN LISTS MIROBANTH_RUNTIME_DLLS)
    get_filename_component(_dll_name ${_dll} NAME)
    install(CODE "execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-debug
                  \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${destination}/${_dll_name}\")"
      COMPONENT ${component} ${ARGN})
  endforeach()
  foreach(_jar MirobanthRuntimeJar TintavelJar)
    if(TARGET ${_jar})
      get_target_property(_jar_file ${_jar} JAR_FILE)
      install(FILES ${_jar_file} DESTINATION ${destination} COMPONENT ${component} ${ARGN})
    endif()
  endforeach()
  install(DIRECTORY DESTINATION ${destination}/ext COMPONENT ${component} ${ARGN})
  install(FILES ${PROJECT_SOURCE_DIR}/samples/system/VM.policy
    DESTINATION ${destination}/system COMPONENT ${component} ${ARGN})
endfunction()

mirobanth_install_product_files(${MIROBANTH_INSTALL_PRODUCTDIR} product)

# A Windows product folder reaches its users by itself, as the zip or the
# installer: it says what it is and how to start it, and carries the licence.
if(WIN32)
  install(FILES ${PROJECT_SOURCE_DIR}/samples/windows/README.txt ${PROJECT_SOURCE_DIR}/LICENSE
    DESTINATION ${MIROBANTH_INSTALL_PRODUCTDIR} COMPONENT product)
endif()

# Component "archive", outside the default install: the same product folder
# at the top of the tree, which is what the Linux release archive holds, so
# that it unpacks to a folder that runs from wherever it lands. On Windows the
# product folder is the top already.
if(NOT WIN32)
  install(TARGETS ${_mirobanth_libraries}
    LIBRARY DESTINATION . COMPONENT archive NAMELINK_SKIP EXCLUDE_FROM_ALL)
  mirobanth_install_product_files(. archive EXCLUDE_FROM_ALL)
endif()

# Headers keep their paths below the source root, so the includes between
# them ("core/Name.h") resolve below include/mirobanth as they do in the tree.
foreach(_header IN LISTS MIROBANTH_PUBLIC_HEADERS)
  get_filename_component(_folder ${_header} DIRECTORY)
  install(FILES ${PROJECT_SOURCE_DIR}/${_header}
    DESTINATION ${MIROBANTH_INSTALL_INCLUDEDIR}/${_folder} COMPONENT development)
endforeach()

install(EXPORT MirobanthTargets NAMESPACE Mirobanth::
  DESTINATION ${MIROBANTH_INSTALL_CMAKEDIR} COMPONENT development)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/MirobanthConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/MirobanthConfig.cmake
  INSTALL_DESTINATION ${MIROBANTH_INSTALL_CMAKEDIR}
  PATH_VARS MIROBANTH_INSTALL_PRODUCTDIR)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/MirobanthConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/MirobanthConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/MirobanthConfigVersion.cmake
  DESTINATION ${MIROBANTH_INSTALL_CMAKEDIR} COMPONENT development)
