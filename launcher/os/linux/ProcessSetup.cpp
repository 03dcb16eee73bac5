#include "launcher/ProcessSetup.h"

#include <csignal>

// Lines to a closed pipe (`| head -1`) fail quietly instead of ending the
// launcher: its status is the Java program's. The launcher owns its process,
// so it may decide this; the libraries leave a host's disposition alone.
void prepareLauncherProcess() { std::signal(SIGPIPE, SIG_IGN); }
