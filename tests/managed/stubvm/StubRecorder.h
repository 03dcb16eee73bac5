#pragma once

#include <jni.h>

#include <string>

namespace stubvm {

// Appends one line to the file named by MIROBANTH_STUBVM_RECORD (nothing
// when it is not set).
void record(const std::string& line);

// Whether name is one of the comma-separated entries of the variable.
bool isListed(const char* variable, const std::string& name);

// The UTF-16 units as four-digit upper-case hex numbers separated by blanks.
std::string hexUnits(const jchar* characters, jsize length);

}  // namespace stubvm
