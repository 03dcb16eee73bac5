// The graphical launcher's entry point on Windows: no console window of its
// own. The command line comes already split by the runtime library, exactly
// as the console launcher receives it.
#include <stdlib.h>
#include <windows.h>

#include "LauncherEntry.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return runTintavel(__argc, __argv); }
