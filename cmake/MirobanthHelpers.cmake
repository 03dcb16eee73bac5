# Shared settings for every target of the project.

# Which operating system's sources this build compiles: one decision, made
# here. Each library keeps its system-specific files under a folder of that name.
if(WIN32)
  set(MIROBANTH_OS windows)
else()
  set(MIROBANTH_OS linux)
endif()

function(mirobanth_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()

# mirobanth_add_library(NAME DEFINE SOURCES...): a shared library of the
# project whose export macro is keyed on DEFINE, also known as
# Mirobanth::<NAME without "Mirobanth">, as hosts of the installed package
# know it. Its hidden parts are NAMEInternals (mirobanth_add_internals).
function(mirobanth_add_library name define)
  add_library(${name} SHARED ${ARGN})
  string(REPLACE Mirobanth "" _short ${name})
  add_library(Mirobanth::${_short} ALIAS ${name})
  target_compile_definitions(${name} PRIVATE ${define})
  target_link_libraries(${name} PRIVATE ${name}Internals)
  mirobanth_warnings(${name})
  if(WIN32)
    # MinGW names DLLs lib*.dll by default; the deliverables carry their own names.
    set_target_properties(${name} PROPERTIES PREFIX "")
  endif()
endfunction()

# mirobanth_add_internals(LIBRARY DEFINE SOURCES...): what LIBRARY keeps to
# itself, as the static library LIBRARYInternals: compiled as part of LIBRARY
# (DEFINE), linked into it and into its tests, which so reach it directly.
# Its headers are found from LIBRARY's folder, by no other library; the core
# library's internals, the seam to the operating system, are the exception
# every library links.
function(mirobanth_add_internals library define)
  set(_internals ${library}Internals)
  add_library(${_internals} STATIC ${ARGN})
  target_compile_definitions(${_internals} PRIVATE ${define})
  target_include_directories(${_internals} PUBLIC
    ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/include)
  set_target_properties(${_internals} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  mirobanth_warnings(${_internals})
endfunction()

# mirobanth_public_headers(LIBRARY HEADERS...): the headers a host includes,
# below include/mirobanth/<library folder>/, as a header file set: what is
# installed is exactly what is listed here, and includes read
# <mirobanth/core/Console.h> in the tree and in an installed package alike.
function(mirobanth_public_headers library)
  string(REPLACE Mirobanth "" _folder ${library})
  string(TOLOWER ${_folder} _folder)
  list(TRANSFORM ARGN PREPEND ${PROJECT_SOURCE_DIR}/include/mirobanth/${_folder}/)
  target_sources(${library} PUBLIC
    FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR}/include FILES ${ARGN})
endfunction()

# mirobanth_utf8_program(TARGET): on Windows, the program's narrow strings
# (argv, file names, message boxes, the registry) are UTF-8, as on Linux:
# it embeds the manifest that selects the UTF-8 code page (and file names of
# any length where the system allows them).
function(mirobanth_utf8_program target)
  if(WIN32)
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/cmake/windows/Utf8Program.rc)
    # windres names no dependencies: the manifest is said here.
    set_source_files_properties(${PROJECT_SOURCE_DIR}/cmake/windows/Utf8Program.rc PROPERTIES
      OBJECT_DEPENDS ${PROJECT_SOURCE_DIR}/cmake/windows/Utf8Program.manifest)
  endif()
endfunction()

# mirobanth_add_test(NAME SOURCES... [LIBS libs...] [PROPERTIES props...]):
# one GoogleTest program, registered with CTest test by test, each test with
# the given properties. A Windows build lists and runs the
# tests under Wine when ctest starts, so building needs no Wine; a 32-bit
# build's tests only where this machine can execute 32-bit programs.
function(mirobanth_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;PROPERTIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} MirobanthTestSupport GTest::gtest GTest::gtest_main)
  mirobanth_warnings(${name})
  mirobanth_utf8_program(${name})
  # A table's rows are named by the row's own name (or index), never by the
  # printed bytes of its value, which hold addresses that differ per run.
  if(CMAKE_CROSSCOMPILING)
    mirobanth_wine_gate_tests(${name})
    gtest_discover_tests(${name} NO_PRETTY_VALUES DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                         PROPERTIES TIMEOUT 180 FIXTURES_REQUIRED WineSession
                           SKIP_REGULAR_EXPRESSION "^Not run: " ${ARG_PROPERTIES})
  else()
    gtest_discover_tests(${name} NO_PRETTY_VALUES DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120 ${ARG_PROPERTIES})
  endif()
endfunction()
