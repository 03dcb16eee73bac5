#include "platform/StateEntries.h"

#include <mirobanth/core/Console.h>

namespace mirobanth::application {

std::string makeKey(std::string name) { return "@" + name; }

std::string makeEntry(std::string key, std::string value) { return "Unknown:" + key + "=" + value; }

void storeEntry(std::string, std::string) { core::Console::notImplemented(); }

}  // namespace mirobanth::application
