#pragma once

// Reading a host's argument vector: a null vector holds no argument, whatever
// the count says, and a null entry reads as the empty text.
namespace mirobanth::core {

inline int argumentCount(int argc, char** argv) { return argv && argc > 0 ? argc : 0; }

inline const char* argumentAt(char** argv, int index) { return argv[index] ? argv[index] : ""; }

}  // namespace mirobanth::core
