# Release packages, made by `cmake --build --preset <preset> --target package`:
#   Linux:   Tintavel-<version>-Linux-<processor>.tar.gz, the product folder
#            (component "archive"), and the Debian packages tintavel and
#            libmirobanth-dev (MirobanthDebian.cmake); with
#            MIROBANTH_BUNDLE_RUNTIME also
#            Tintavel-<version>-Linux-<processor>-runtime.tar.gz, the product
#            folder with its own Java runtime (component "bundled")
#   Windows: Tintavel-<version>-win64.zip / -win32.zip, the product folder
#            with the MinGW runtime DLLs, and the installer beside it,
#            Tintavel-<version>-win64.msi / -win32.msi (MirobanthMsi.cmake)
set(CPACK_PACKAGE_NAME Tintavel)
set(CPACK_PACKAGE_VENDOR Mirobanth)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Tintavel, a desktop application whose body runs on the Java VM, with its native launchers")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Tintavel)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)

# Archives hold the product folder only; headers and the CMake package are for
# hosts, which install the tree or take the Debian package.
# The archive unpacks to one folder named like the archive.
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_COMPONENTS_ALL product)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(CPACK_PACKAGE_FILE_NAME Tintavel-${PROJECT_VERSION}-win64)
  else()
    set(CPACK_PACKAGE_FILE_NAME Tintavel-${PROJECT_VERSION}-win32)
  endif()
  set(CPACK_ARCHIVE_PRODUCT_FILE_NAME ${CPACK_PACKAGE_FILE_NAME})
  include(${CMAKE_CURRENT_LIST_DIR}/MirobanthMsi.cmake)
else()
  set(CPACK_GENERATOR TGZ DEB)
  set(CPACK_COMPONENTS_ALL archive)
  set(CPACK_PACKAGE_FILE_NAME Tintavel-${PROJECT_VERSION}-Linux-${CMAKE_SYSTEM_PROCESSOR})
  set(CPACK_ARCHIVE_ARCHIVE_FILE_NAME ${CPACK_PACKAGE_FILE_NAME})
endif()
include(${CMAKE_CURRENT_LIST_DIR}/MirobanthBundledRuntime.cmake)

if(NOT WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/MirobanthDebian.cmake)
endif()
# Which components each generator packs is read when cpack runs it.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/MirobanthCPackOptions.cmake)

include(CPack)
