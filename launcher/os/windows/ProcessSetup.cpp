#include "launcher/ProcessSetup.h"

// A write to a closed pipe already fails with an error on Windows.
void prepareLauncherProcess() {}
