// A loadable library without JNI_CreateJavaVM, for the launcher's test of a
// library that is not a Java VM: it exports a function of its own instead.
#include <jni.h>

extern "C" JNIEXPORT int mirobanthNoVirtualMachineHere() { return 42; }
