# What `cmake --install` lays out:
#   <prefix>/<product folder>/   the launchers, the three libraries beside them
#                                (where the launchers look for them), the jars,
#                                ext/ and system/VM.policy (on Windows also
#                                README.txt and LICENSE): component "product"
#   <prefix>/share/tintavel/     on Linux, the jars and ext/ themselves, which
#                                the product folder links to (component "product")
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

if(WIN32)
  set(MIROBANTH_INSTALL_PRODUCTDIR .)
else()
  set(MIROBANTH_INSTALL_PRODUCTDIR ${CMAKE_INSTALL_LIBDIR}/tintavel)
  set(MIROBANTH_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/tintavel)
endif()
set(MIROBANTH_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/Mirobanth)

# The libraries: one copy, in the product folder, which hosts link too.
set(_mirobanth_libraries MirobanthCore MirobanthApplication MirobanthManaged)
foreach(_library IN LISTS _mirobanth_libraries)
  string(REPLACE Mirobanth "" _export_name ${_library})
  set_target_properties(${_library} PROPERTIES EXPORT_NAME ${_export_name})
  if(NOT WIN32)
    set_target_properties(${_library} PROPERTIES SOVERSION ${PROJECT_VERSION_MAJOR})
  endif()
endforeach()

install(TARGETS ${_mirobanth_libraries} EXPORT MirobanthTargets
  RUNTIME DESTINATION ${MIROBANTH_INSTALL_PRODUCTDIR} COMPONENT product
  LIBRARY DESTINATION ${MIROBANTH_INSTALL_PRODUCTDIR} COMPONENT product
          NAMELINK_COMPONENT development
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development
  FILE_SET HEADERS DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT development)

# mirobanth_install_java_files(DESTINATION COMPONENT [EXCLUDE_FROM_ALL]): the
# product's jars, and ext/ with the skins and copies of the Substance library
# they extend, with its licence. A build without Java has no jars to install.
function(mirobanth_install_java_files destination component)
  foreach(_jar MirobanthRuntimeJar TintavelJar)
    if(TARGET ${_jar})
      get_target_property(_jar_file ${_jar} JAR_FILE)
      install(FILES ${_jar_file} DESTINATION ${destination} COMPONENT ${component} ${ARGN})
    endif()
  endforeach()
  if(NOT TARGET SubstanceSkinsJar)
    install(DIRECTORY DESTINATION ${destination}/ext COMPONENT ${component} ${ARGN})
    return()
  endif()
  install(FILES ${MIROBANTH_SUBSTANCE_SKINS_JAR}
    DESTINATION ${destination}/ext COMPONENT ${component} ${ARGN})
  foreach(_name _file IN ZIP_LISTS MIROBANTH_SUBSTANCE_LIBRARY_NAMES
                                    MIROBANTH_SUBSTANCE_LIBRARY_JARS)
    install(FILES ${_file} DESTINATION ${destination}/ext/lib RENAME ${_name}.jar
      COMPONENT ${component} ${ARGN})
  endforeach()
  install(FILES ${MIROBANTH_SUBSTANCE_COPYRIGHT} DESTINATION ${destination}/ext/lib
    RENAME COPYRIGHT.txt COMPONENT ${component} ${ARGN})
endfunction()

# mirobanth_install_linked_java_files(PRODUCTDIR DATADIR COMPONENT): the jars
# and ext/ as a Linux distribution wants them. They are the same on every
# processor, so they live in DATADIR and the product folder links to them;
# the Substance library is the system's own, in share/java. Every link is
# relative, so the tree works below any prefix whose share/java has the library.
function(mirobanth_install_linked_java_files productdir datadir component)
  set(_links ${CMAKE_CURRENT_BINARY_DIR}/install-links)
  file(REMOVE_RECURSE ${_links})
  file(MAKE_DIRECTORY ${_links}/product ${_links}/ext/lib)
  file(RELATIVE_PATH _to_data /${productdir} /${datadir})
  foreach(_jar MirobanthRuntimeJar TintavelJar)
    get_target_property(_jar_file ${_jar} JAR_FILE)
    get_filename_component(_jar_name ${_jar_file} NAME)
    install(FILES ${_jar_file} DESTINATION ${datadir} COMPONENT ${component})
    file(CREATE_LINK ${_to_data}/${_jar_name} ${_links}/product/${_jar_name} SYMBOLIC)
  endforeach()
  file(CREATE_LINK ${_to_data}/ext ${_links}/product/ext SYMBOLIC)
  install(FILES ${MIROBANTH_SUBSTANCE_SKINS_JAR} DESTINATION ${datadir}/ext COMPONENT ${component})
  file(RELATIVE_PATH _to_java /${datadir}/ext/lib /${CMAKE_INSTALL_DATADIR}/java)
  foreach(_name IN LISTS MIROBANTH_SUBSTANCE_LIBRARY_NAMES)
    file(CREATE_LINK ${_to_java}/${_name}.jar ${_links}/ext/lib/${_name}.jar SYMBOLIC)
  endforeach()
  file(GLOB _product_links ${_links}/product/*)
  file(GLOB _library_links ${_links}/ext/lib/*)
  install(FILES ${_product_links} DESTINATION ${productdir} COMPONENT ${component})
  install(FILES ${_library_links} DESTINATION ${datadir}/ext/lib COMPONENT ${component})
endfunction()

# mirobanth_install_product_files(DESTINATION COMPONENT [LINKED_JAVA_FILES] [EXCLUDE_FROM_ALL]):
# the launchers, the MinGW runtime DLLs and the product's own files, with the
# Java files copied in or, with LINKED_JAVA_FILES, linked.
function(mirobanth_install_product_files destination component)
  cmake_parse_arguments(ARG LINKED_JAVA_FILES "" "" ${ARGN})
  set(_options ${ARG_UNPARSED_ARGUMENTS})
  install(TARGETS Tintavel64 Tintavel64-Console
    RUNTIME DESTINATION ${destination} COMPONENT ${component} ${_options})
  install(FILES ${MIROBANTH_RUNTIME_DLLS} DESTINATION ${destination} COMPONENT ${component} ${_options})
  # The MinGW installation's runtime DLLs carry their debugging information,
  # nine tenths of their size.
  foreach(_dll IN LISTS MIROBANTH_RUNTIME_DLLS)
    get_filename_component(_dll_name ${_dll} NAME)
    install(CODE "execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-debug
                  \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${destination}/${_dll_name}\")"
      COMPONENT ${component} ${_options})
  endforeach()
  if(ARG_LINKED_JAVA_FILES)
    mirobanth_install_linked_java_files(${destination} ${MIROBANTH_INSTALL_DATADIR} ${component})
  else()
    mirobanth_install_java_files(${destination} ${component} ${_options})
  endif()
  install(FILES ${PROJECT_SOURCE_DIR}/samples/system/VM.policy
    DESTINATION ${destination}/system COMPONENT ${component} ${_options})
endfunction()

if(WIN32)
  mirobanth_install_product_files(${MIROBANTH_INSTALL_PRODUCTDIR} product)
else()
  mirobanth_install_product_files(${MIROBANTH_INSTALL_PRODUCTDIR} product LINKED_JAVA_FILES)
endif()

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
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . COMPONENT archive EXCLUDE_FROM_ALL)
endif()

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
