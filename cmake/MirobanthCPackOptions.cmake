# Read by cpack before each generator runs: the archives hold the product
# folder alone (CPACK_COMPONENTS_ALL of MirobanthPackaging.cmake), the Debian
# packages are made of the installed components.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(CPACK_COMPONENTS_ALL product development)
  # A package's files sit at their places below /, not in a folder of their own.
  set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY OFF)
  # Each package has a synopsis of its own, the first line of its
  # description; the archives' summary would come before it.
  unset(CPACK_PACKAGE_DESCRIPTION_SUMMARY)
endif()
