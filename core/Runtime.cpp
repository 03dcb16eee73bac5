#include <mirobanth/core/Console.h>
#include <mirobanth/core/Runtime.h>

namespace mirobanth::core {

// Built during the library's static initialisation, so it exists before any
// exported function can run. Constructing it prints nothing.
Runtime Runtime::currentRuntime("MIROBANTH_RUNTIME");

Runtime::Runtime(std::string value) : Name("Runtime"), runtimeValue(std::move(value)) {}

Runtime::~Runtime() = default;

Runtime& Runtime::instance() { return currentRuntime; }

std::string Runtime::getValue() const { return runtimeValue; }

std::string Runtime::value() const { return runtimeValue; }

void Runtime::setValue(std::string newValue) { runtimeValue = std::move(newValue); }

std::int32_t Runtime::availableProcessors() {
    Console::notImplemented(this, "availableProcessors");
    return -1;
}

void Runtime::exit(int) { Console::notImplemented(this, "exit"); }

void Runtime::gc() { Console::notImplemented(this, "gc"); }

void Runtime::test() {}

}  // namespace mirobanth::core
