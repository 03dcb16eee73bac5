#include "core/ShellCommands.h"

namespace mirobanth::core {

const char* clearScreenCommand() { return "clear"; }

}  // namespace mirobanth::core
