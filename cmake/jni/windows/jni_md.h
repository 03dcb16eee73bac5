/* The machine-dependent part of jni.h for Windows targets, used by the MinGW
   cross builds together with the build machine's jni.h. A Windows VM exports
   its entry points with the standard calling convention (it matters on
   32-bit x86). long is 32 bits wide on Windows, as jint must be. */
#ifndef _JAVASOFT_JNI_MD_H_
#define _JAVASOFT_JNI_MD_H_

#define JNIEXPORT __declspec(dllexport)
#define JNIIMPORT __declspec(dllimport)
#define JNICALL __stdcall

typedef long jint;
typedef long long jlong;
typedef signed char jbyte;

#endif
