// The standard entry point: the console launcher everywhere, and the
// graphical one too where the system has no separate graphical entry.
#include "LauncherEntry.h"

int main(int argc, char** argv) { return runTintavel(argc, argv); }
