# Run by cpack once it has made the packages (CPACK_PACKAGE_FILES). CPack
# gives a Debian package whose shared libraries lie below /usr/lib
# maintainer scripts that run ldconfig. tintavel's libraries are private to
# its product folder, which the dynamic loader never searches, so the
# package is made again without those scripts.
foreach(_package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT _package MATCHES "\\.deb$")
    continue()
  endif()
  set(_tree ${_package}.tree)
  file(REMOVE_RECURSE ${_tree})
  execute_process(COMMAND dpkg-deb --raw-extract ${_package} ${_tree} COMMAND_ERROR_IS_FATAL ANY)
  if(EXISTS ${_tree}/DEBIAN/postinst OR EXISTS ${_tree}/DEBIAN/postrm)
    file(REMOVE ${_tree}/DEBIAN/postinst ${_tree}/DEBIAN/postrm)
    execute_process(COMMAND dpkg-deb --root-owner-group -Zgzip --build ${_tree} ${_package}
      OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  endif()
  file(REMOVE_RECURSE ${_tree})
endforeach()
