#pragma once

#include <mirobanth/core/Console.h>

#include <exception>
#include <string>

// Shared by the flat C functions of every library: no C++ exception may
// reach a C host, also not one thrown while a failure is being reported.
namespace mirobanth::core {

inline void warnFromFlatFunction(const char* function, const char* reason) noexcept {
    try {
        Console::warn(std::string(function) + " - " + reason);
    } catch (...) {
        // Nowhere left to say it; the host goes on.
    }
}

// Runs body; whatever it throws becomes a warning naming the function.
template <typename Body>
void guarded(const char* function, Body&& body) noexcept {
    try {
        body();
    } catch (const std::exception& error) {
        warnFromFlatFunction(function, error.what());
    } catch (...) {
        warnFromFlatFunction(function, "unexpected failure");
    }
}

}  // namespace mirobanth::core
