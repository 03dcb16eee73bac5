#include <mirobanth/application/Arguments.h>
#include <mirobanth/core/Console.h>

#include <algorithm>

namespace mirobanth::application {

using core::Console;

Arguments::Arguments() : Arguments(0, nullptr) {}

Arguments::Arguments(int argc, char** argv) : Name("Arguments"), count(argc) {
    Console::initEvent(this);
    if (!argv) return;
    // A negative count, which no main() receives, gets just the terminator.
    const int texts = std::max(argc, 0);
    entries = std::make_unique<char*[]>(static_cast<std::size_t>(texts) + 1);
    for (int i = 0; i < texts; ++i) entries[i] = argv[i];
    entries[texts] = nullptr;
}

Arguments::~Arguments() = default;

int Arguments::getCount() const { return count; }

const char* const* Arguments::getEntries() const { return entries.get(); }

void Arguments::list() { Console::notImplemented("list"); }

std::string Arguments::describe(int number) { return "Unknown:" + std::to_string(number); }

std::string Arguments::describe(std::string text) { return "Unknown:" + text; }

std::string Arguments::describe(std::string key, std::string value) {
    return "Unknown:" + key + "=" + value;
}

}  // namespace mirobanth::application
