#include "managed/SystemLibrary.h"

#include <windows.h>

namespace mirobanth::managed::system_library {

namespace {

std::string lastError() {
    DWORD code = GetLastError();
    char* text = nullptr;
    DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string reason = length ? std::string(text, length) : "error " + std::to_string(code);
    if (text) LocalFree(text);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r')) reason.pop_back();
    return reason;
}

}  // namespace

// The executables run with the UTF-8 code page, so the narrow path is UTF-8
// and LoadLibraryA reads it as such.
void* open(const std::string& path, std::string& reason) {
    HMODULE module = LoadLibraryA(path.c_str());
    if (!module) reason = lastError();
    return reinterpret_cast<void*>(module);
}

void* find(void* handle, const char* name, std::string& reason) {
    FARPROC procedure = GetProcAddress(reinterpret_cast<HMODULE>(handle), name);
    if (!procedure) reason = lastError();
    return reinterpret_cast<void*>(procedure);
}

void close(void* handle) noexcept { FreeLibrary(reinterpret_cast<HMODULE>(handle)); }

}  // namespace mirobanth::managed::system_library
