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

// The folder above the library's own: a JDK keeps the DLLs that
// bin\server\jvm.dll imports in bin.
std::string parentOfFolder(const std::string& path) {
    std::string::size_type folderEnd = path.find_last_of("\\/");
    if (folderEnd == std::string::npos || folderEnd == 0) return "";
    std::string::size_type parentEnd = path.find_last_of("\\/", folderEnd - 1);
    return parentEnd == std::string::npos ? "" : path.substr(0, parentEnd);
}

}  // namespace

// The executables run with the UTF-8 code page, so the narrow path is UTF-8
// and the ANSI calls read it as such. The path is absolute: the altered
// search looks for the library's imports in its own folder first, and the
// DLL directory adds the folder above it for the time of the load.
void* open(const std::string& path, std::string& reason) {
    std::string parent = parentOfFolder(path);
    if (!parent.empty()) SetDllDirectoryA(parent.c_str());
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!module) reason = lastError();
    if (!parent.empty()) SetDllDirectoryA(nullptr);
    return reinterpret_cast<void*>(module);
}

void* find(void* handle, const char* name, std::string& reason) {
    FARPROC procedure = GetProcAddress(reinterpret_cast<HMODULE>(handle), name);
    if (!procedure) reason = lastError();
    return reinterpret_cast<void*>(procedure);
}

void close(void* handle) noexcept { FreeLibrary(reinterpret_cast<HMODULE>(handle)); }

}  // namespace mirobanth::managed::system_library
