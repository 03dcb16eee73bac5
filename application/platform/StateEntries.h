#pragma once

#include <string>

namespace mirobanth::application {

// Texts of state keys and entries. Internal to the application library.

// "@" + name.
std::string makeKey(std::string name);
// "Unknown:" + key + "=" + value.
std::string makeEntry(std::string key, std::string value);
// Storing is not available yet; reports itself as not implemented.
void storeEntry(std::string key, std::string value);

}  // namespace mirobanth::application
