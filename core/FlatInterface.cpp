// The flat C functions of the core library. No C++ exception may cross
// into a C host, so nothing here lets one escape.
#include <mirobanth/core/Console.h>
#include <mirobanth/core/MirobanthCore.h>

#include <memory>
#include <string>

#include "FlatGuard.h"

using mirobanth::core::Console;
using mirobanth::core::guarded;
using mirobanth::core::Name;

namespace {

Console* consoleOf(ConsoleTypeC handle) { return reinterpret_cast<Console*>(handle); }

// The source that tags a line: the handle's console, or a stand-in named
// after the handle type when the host passed none.
const Name* sourceOf(ConsoleTypeC handle) {
    static const Name unnamed("<ConsoleTypeC>");
    return handle ? consoleOf(handle) : &unnamed;
}

// A host's null text stands for the empty text.
std::string textOf(const char* text) { return text ? text : ""; }

}  // namespace

extern "C" {

ConsoleTypeC mbConsoleCreate(const char* name) {
    Console* console = nullptr;
    guarded("mbConsoleCreate", [&] {
        std::unique_ptr<Console> created = std::make_unique<Console>();
        created->setName(textOf(name));
        console = created.release();
    });
    return reinterpret_cast<ConsoleTypeC>(console);
}

void mbConsoleDelete(ConsoleTypeC console) {
    if (mbIsNull(console, "@mbConsoleDelete - ConsoleTypeC handle is NULL")) return;
    guarded("mbConsoleDelete", [&] { delete consoleOf(console); });
}

const char* mbConsoleVersion(ConsoleTypeC console) {
    if (mbIsNull(console, "mbConsoleVersion - ConsoleTypeC handle is NULL")) return "0.0";
    return consoleOf(console)->getVersion();
}

void mbConsoleSilent(ConsoleTypeC console, mbBool silent) {
    if (mbIsNull(console, "mbConsoleSilent - ConsoleTypeC handle is NULL")) return;
    Console::enableSilent(silent != 0);
}

void mbConsoleInfo(ConsoleTypeC console, const char* text) {
    guarded("mbConsoleInfo", [&] { Console::info(sourceOf(console), textOf(text)); });
}

void mbConsoleWarn(ConsoleTypeC console, const char* text) {
    guarded("mbConsoleWarn", [&] { Console::warn(sourceOf(console), textOf(text)); });
}

void mbConsoleFatal(ConsoleTypeC console, const char* text) {
    Console::fatal(sourceOf(console), textOf(text));
}

void mbConsoleNotImplemented(ConsoleTypeC console, const char* text) {
    guarded("mbConsoleNotImplemented",
            [&] { Console::notImplemented(sourceOf(console), textOf(text)); });
}

void mbConsoleTest(void) {
    ConsoleTypeC console = mbConsoleCreate("mbConsoleTest");
    mbConsoleInfo(console, "message");
    mbConsoleWarn(console, "warn");
    mbConsoleDelete(console);
    mbConsoleDelete(nullptr);
}

void mbConsoleTestLoading(void) {}

mbBool mbIsNull(const void* handle, const char* message) {
    if (handle != nullptr) return 0;
    mbConsoleWarn(nullptr, message);
    return 1;
}

}  // extern "C"
