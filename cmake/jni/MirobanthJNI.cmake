# JNI headers for the code that talks to a Java VM: the INTERFACE target
# MirobanthJNIHeaders. The VM library itself is never linked; the launcher
# loads it at run time.
#
# jni.h comes from the build machine's JDK. Its companion jni_md.h describes
# the target system: the JDK's own for Linux builds, ours (windows/) for the
# MinGW cross builds, since a Linux JDK only carries the Linux one.

if(TARGET MirobanthJNIHeaders)
  return()
endif()

# The build machine's JDK, found through javac even in a cross build (the
# toolchain files search programs on the host).
find_program(MIROBANTH_JAVAC javac)
set(_mirobanth_jdk_hints "")
if(DEFINED ENV{JAVA_HOME})
  list(APPEND _mirobanth_jdk_hints "$ENV{JAVA_HOME}/include")
endif()
if(MIROBANTH_JAVAC)
  file(REAL_PATH "${MIROBANTH_JAVAC}" _mirobanth_javac)
  get_filename_component(_mirobanth_jdk "${_mirobanth_javac}" DIRECTORY)
  get_filename_component(_mirobanth_jdk "${_mirobanth_jdk}" DIRECTORY)
  list(APPEND _mirobanth_jdk_hints "${_mirobanth_jdk}/include")
endif()
list(APPEND _mirobanth_jdk_hints /usr/lib/jvm/default-java/include)

find_path(MIROBANTH_JNI_INCLUDE_DIR jni.h
  HINTS ${_mirobanth_jdk_hints}
  NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT MIROBANTH_JNI_INCLUDE_DIR)
  message(FATAL_ERROR "jni.h not found: install a JDK (openjdk-17-jdk-headless) "
                      "or set MIROBANTH_JNI_INCLUDE_DIR to its include folder")
endif()

add_library(MirobanthJNIHeaders INTERFACE)
if(WIN32)
  set(_mirobanth_jni_md "${CMAKE_CURRENT_LIST_DIR}/windows")
else()
  set(_mirobanth_jni_md "${MIROBANTH_JNI_INCLUDE_DIR}/linux")
endif()
# jni_md.h first, so that the target system's definitions win.
target_include_directories(MirobanthJNIHeaders SYSTEM INTERFACE
  "${_mirobanth_jni_md}" "${MIROBANTH_JNI_INCLUDE_DIR}")
