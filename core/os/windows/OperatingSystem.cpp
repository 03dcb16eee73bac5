// The seam on Windows. The programs run with the UTF-8 code page, so every
// narrow text (environment, paths, command lines) is UTF-8 and the ANSI
// calls read it as such.
#include "OperatingSystem.h"

#include <share.h>
#include <stdio.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "Text.h"

namespace mirobanth::os {

const char* const PATH_LIST_SEPARATOR = ";";
const char* const DIRECTORY_SEPARATOR = "\\";

System hostSystem() { return System::Windows; }

void setEnvironmentValue(const std::string& name, const std::string& value) {
    // _putenv copies its argument into the runtime library's environment.
    _putenv((name + "=" + value).c_str());
}

// A Windows session always has its desktop.
bool hasDisplay() { return true; }

namespace {

// The full wide file name of module, however long it is.
std::wstring moduleFileName(HMODULE module) {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        DWORD size = static_cast<DWORD>(buffer.size());
        DWORD length = GetModuleFileNameW(module, buffer.data(), size);
        if (length == 0) return L"";
        if (length < size) return std::wstring(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

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

std::string moduleFolder(const void* address) {
    // A null address lies in no module; the call would name the program's.
    if (!address) return "";
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            static_cast<LPCWSTR>(address), &module)) {
        return "";
    }
    std::string file = text::toUtf8(moduleFileName(module));
    std::string::size_type separator = file.find_last_of("\\/");
    return separator == std::string::npos ? "" : file.substr(0, separator);
}

std::string executablePath() { return text::toUtf8(moduleFileName(nullptr)); }

std::string userConfigFolder() {
    auto appData = environmentValue("APPDATA");
    if (!appData || !std::filesystem::u8path(*appData).is_absolute()) return "";
    return *appData;
}

// Opened sharing everything, so that a file another program holds open still
// counts; a folder does not open.
bool isReadableFile(const std::string& path) {
    FILE* file = _fsopen(path.c_str(), "rb", _SH_DENYNO);
    if (!file) return false;
    std::fclose(file);
    return true;
}

// Windows names the processor in PROCESSOR_ARCHITECTURE, which the caller
// reads first; there is nothing more to ask.
std::string machineArchitecture() { return ""; }

// system() hands the line to "cmd /c", which takes off the first and the last
// quote of a line that starts with one: a quoted program followed by quoted
// arguments would lose two quotes that belong to them. So the whole line is
// quoted once more, for the interpreter to take off.
int runCommandLine(const std::string& command) {
    return std::system(("\"" + command + "\"").c_str());
}

const char* clearScreenCommand() { return "cls"; }

// A write to a closed pipe already fails with an error on Windows.
void ignoreBrokenPipe() {}

// The path is absolute: the altered search looks for the library's imports in
// its own folder first, and the DLL directory adds the folder above it for the
// time of the load.
void* openLibrary(const std::string& path, std::string& reason) {
    std::string parent = parentOfFolder(path);
    if (!parent.empty()) SetDllDirectoryA(parent.c_str());
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!module) reason = lastError();
    if (!parent.empty()) SetDllDirectoryA(nullptr);
    return reinterpret_cast<void*>(module);
}

void* findSymbol(void* library, const char* name, std::string& reason) {
    FARPROC procedure = GetProcAddress(reinterpret_cast<HMODULE>(library), name);
    if (!procedure) reason = lastError();
    return reinterpret_cast<void*>(procedure);
}

void closeLibrary(void* library) noexcept { FreeLibrary(reinterpret_cast<HMODULE>(library)); }

}  // namespace mirobanth::os
