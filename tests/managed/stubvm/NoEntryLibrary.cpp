// A loadable library without JNI_CreateJavaVM, for the launcher's test of a
// library that is not a Java VM.
#if defined(_WIN32)
#    define NO_ENTRY_EXPORT __declspec(dllexport)
#else
#    define NO_ENTRY_EXPORT __attribute__((visibility("default")))
#endif

extern "C" NO_ENTRY_EXPORT int mirobanthNoVirtualMachineHere() { return 42; }
