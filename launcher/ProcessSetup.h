#pragma once

// What the launcher process settles before anything else runs; each system's
// answer lives in its own source file under os/.
void prepareLauncherProcess();
