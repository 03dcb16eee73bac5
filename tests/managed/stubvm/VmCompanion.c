/* The DLL that the importing stub VM imports: the test puts it only in the
   folder above the stub's own. */
__declspec(dllexport) int mirobanthVmCompanion(void) { return 7; }
