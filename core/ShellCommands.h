#pragma once

namespace mirobanth::core {

// The shell command that clears the terminal on this operating system
// ("cls" on Windows). Each system's answer lives in its own source file.
const char* clearScreenCommand();

}  // namespace mirobanth::core
