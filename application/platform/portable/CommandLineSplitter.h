#pragma once

namespace mirobanth::application::command_line {

// Splits text in place at blanks (the character 32 only) into an argument
// vector allocated with malloc, element 0 being programPath: the caller frees
// the vector; the other elements point into text. Runs of blanks separate
// once, only the first blank after an argument becomes a zero, and quotes are
// ordinary characters. There is no terminating null entry.
char** split(char* text, char* programPath, int& count);

}  // namespace mirobanth::application::command_line
