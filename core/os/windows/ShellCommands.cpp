#include "core/ShellCommands.h"

namespace mirobanth::core {

const char* clearScreenCommand() { return "cls"; }

}  // namespace mirobanth::core
