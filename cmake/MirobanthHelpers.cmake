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
# project whose export macro is keyed on DEFINE.
function(mirobanth_add_library name define)
  add_library(${name} SHARED ${ARGN})
  target_compile_definitions(${name} PRIVATE ${define})
  target_include_directories(${name} PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>)
  mirobanth_warnings(${name})
  if(WIN32)
    # MinGW names DLLs lib*.dll by default; the deliverables carry their own names.
    set_target_properties(${name} PROPERTIES PREFIX "")
  endif()
endfunction()

# mirobanth_utf8_program(TARGET): on Windows, the program's narrow strings
# (argv, file names, message boxes, the registry) are UTF-8, as on Linux:
# it embeds the manifest that selects the UTF-8 code page.
function(mirobanth_utf8_program target)
  if(WIN32)
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/cmake/windows/Utf8Program.rc)
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
  if(CMAKE_CROSSCOMPILING)
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                         PROPERTIES TIMEOUT 180 FIXTURES_REQUIRED WineSession ${ARG_PROPERTIES})
    mirobanth_wine_gate_discovery(${name})
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120 ${ARG_PROPERTIES})
  endif()
endfunction()
