# The Linux release archive that carries its own Java runtime,
# Tintavel-<version>-Linux-<processor>-runtime.tar.gz: the product folder with
# runtime/, an image made by jlink from the build machine's JDK that holds
# only the modules the product's jars need. The launcher takes it when neither
# JAVA_HOME nor MIROBANTH_JVM names a VM, before the system's own Java.
#
# With -DMIROBANTH_BUNDLE_RUNTIME=ON every build makes the image and the
# package target makes the archive beside the usual one. Without it the
# image target (TintavelRuntimeImage) and the install component "bundled"
# still exist, so that the tests can make the archive.
option(MIROBANTH_BUNDLE_RUNTIME
       "Package target: also the release archive with a bundled Java runtime (Linux)" OFF)

# jlink makes runtimes of the system it runs on; this machine has no Windows JDK.
if(WIN32 OR CMAKE_CROSSCOMPILING OR NOT TARGET TintavelJar)
  if(MIROBANTH_BUNDLE_RUNTIME)
    message(FATAL_ERROR "MIROBANTH_BUNDLE_RUNTIME needs a native Linux build with a JDK")
  endif()
  return()
endif()

# The JDK whose compiler made the jars: the runtime is of that version.
get_filename_component(_mirobanth_javac "${Java_JAVAC_EXECUTABLE}" REALPATH)
get_filename_component(_mirobanth_jdk "${_mirobanth_javac}" DIRECTORY)
get_filename_component(_mirobanth_jdk "${_mirobanth_jdk}" DIRECTORY)

set(MIROBANTH_RUNTIME_IMAGE ${CMAKE_BINARY_DIR}/bundled-runtime/runtime)
set(_mirobanth_image_script ${PROJECT_SOURCE_DIR}/cmake/runtime/make-runtime-image.sh)
# The skins' jar too: its own classes need a module that the product's do not.
set(_mirobanth_product_jars "")
foreach(_jar MirobanthRuntimeJar TintavelJar SubstanceSkinsJar)
  get_target_property(_jar_file ${_jar} JAR_FILE)
  list(APPEND _mirobanth_product_jars ${_jar_file})
endforeach()

add_custom_command(
  OUTPUT ${MIROBANTH_RUNTIME_IMAGE}/release
  COMMAND ${CMAKE_COMMAND} -E env JAVA_HOME=${_mirobanth_jdk}
          bash ${_mirobanth_image_script} ${MIROBANTH_RUNTIME_IMAGE} ${_mirobanth_product_jars}
  DEPENDS MirobanthRuntimeJar TintavelJar SubstanceSkinsJar ${_mirobanth_product_jars}
          ${_mirobanth_image_script}
  COMMENT "Making the bundled Java runtime with jlink"
  VERBATIM)
if(MIROBANTH_BUNDLE_RUNTIME)
  add_custom_target(TintavelRuntimeImage ALL DEPENDS ${MIROBANTH_RUNTIME_IMAGE}/release)
else()
  add_custom_target(TintavelRuntimeImage DEPENDS ${MIROBANTH_RUNTIME_IMAGE}/release)
endif()

# Component "bundled": the archive's product folder at the top of the tree,
# runtime/ included; its files keep their modes (bin/java runs, the CDS
# archives stay read-only).
install(TARGETS ${_mirobanth_libraries}
  LIBRARY DESTINATION . COMPONENT bundled NAMELINK_SKIP EXCLUDE_FROM_ALL)
mirobanth_install_product_files(. bundled EXCLUDE_FROM_ALL)
install(DIRECTORY ${MIROBANTH_RUNTIME_IMAGE} DESTINATION . USE_SOURCE_PERMISSIONS
  COMPONENT bundled EXCLUDE_FROM_ALL)

set(CPACK_ARCHIVE_BUNDLED_FILE_NAME ${CPACK_PACKAGE_FILE_NAME}-runtime)
# The folder the archive unpacks to: the product folder of the usual archive.
set(MIROBANTH_BUNDLED_ARCHIVE_FOLDER ${CPACK_PACKAGE_FILE_NAME})
if(MIROBANTH_BUNDLE_RUNTIME)
  list(APPEND CPACK_COMPONENTS_ALL bundled)
endif()
