# The Debian packages of the Linux build, made by the package target:
#   tintavel          component "product": the product folder below
#                     /usr/lib/tintavel, its jars below /usr/share/tintavel,
#                     /usr/bin/tintavel and the desktop files; it needs a Java
#                     runtime that can show a window and Debian's Substance
#                     library, which its skins extend
#   libmirobanth-dev  component "development": the headers and the CMake
#                     package, for that very version of tintavel
# Each carries the copyright file and the Debian changelog in
# /usr/share/doc/<package>/.

set(MIROBANTH_DEBIAN_REVISION 1)
set(_version ${PROJECT_VERSION}-${MIROBANTH_DEBIAN_REVISION})
set(_components product development)
set(_packages tintavel libmirobanth-dev)

# gzip -n keeps neither name nor time in the file: the same changelog, the same bytes.
find_program(MIROBANTH_GZIP gzip REQUIRED)
set(_changelog ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog.Debian)
add_custom_command(OUTPUT ${_changelog}.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/linux/changelog ${_changelog}
  COMMAND ${MIROBANTH_GZIP} -9nf ${_changelog}
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/linux/changelog
  VERBATIM)
add_custom_target(DebianChangelog ALL DEPENDS ${_changelog}.gz)
foreach(_component _package IN ZIP_LISTS _components _packages)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/linux/copyright ${_changelog}.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${_package} COMPONENT ${_component})
endforeach()

set(CPACK_DEB_COMPONENT_INSTALL ON)
list(APPEND CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/MirobanthDebianScripts.cmake)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${MIROBANTH_DEBIAN_REVISION})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Mirobanth <tintavel@example.com>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://static.example.com/")

set(CPACK_DEBIAN_PRODUCT_PACKAGE_NAME tintavel)
set(CPACK_DEBIAN_PRODUCT_PACKAGE_SECTION java)
# The jars are Java 8 class files. A Debian runtime without -headless in its
# name brings AWT's X11 and GTK libraries, which the window needs.
set(CPACK_DEBIAN_PRODUCT_PACKAGE_DEPENDS
    "default-jre | java8-runtime, substance, libtrident-java, liblaf-widget-java, liblaf-plugin-java")
set(CPACK_DEBIAN_PRODUCT_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PRODUCT_DESCRIPTION
"desktop application on the Java VM, with its native launchers
Tintavel starts its Java program inside its own native process: the
launcher finds a Java runtime, creates the Java VM through JNI and runs
the program's main method, which shows what it received (its arguments
and the Java system properties the launcher set).

The command tintavel and the desktop entry open the report in a window,
in the desktop's look and feel or in the Substance skin that a switch
names (-Xgemini, -Xgraphite).")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libmirobanth-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "tintavel (= ${_version})")
set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION
"headers and CMake package of the Mirobanth launcher libraries
The Mirobanth libraries (MirobanthCore, MirobanthApplication and
MirobanthManaged) let a native program start a Java program in its own
process, through C++ classes or flat C functions.

This package holds their headers and the CMake package that hosts find
with find_package(Mirobanth); the libraries are those of tintavel.")
