// The seam on Windows. The programs run with the UTF-8 code page, so every
// narrow text (environment, paths, command lines) is UTF-8 and the ANSI
// calls read it as such.
#include "OperatingSystem.h"

#include <process.h>
#include <share.h>
#include <stdio.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "Text.h"

namespace mirobanth::os {

const char* const PATH_LIST_SEPARATOR = pathListSeparator(System::Windows);
const char* const DIRECTORY_SEPARATOR = directorySeparator(System::Windows);

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

bool hasPrefix(const std::wstring& text, const wchar_t* prefix) {
    return text.rfind(prefix, 0) == 0;
}

// The full wide form of path, which the system's calls take at any length:
// beyond MAX_PATH only with the \\?\ prefix, which turns off the parsing of
// the name, so separators and dots are settled first. A path given in that
// form (or as a device, \\.\) is taken as it is, but for the "/" that joins
// a Java home's layouts.
std::wstring systemPath(const std::string& path) {
    std::wstring wide = text::widen(path);
    if (hasPrefix(wide, L"\\\\?\\") || hasPrefix(wide, L"\\\\.\\")) {
        std::replace(wide.begin(), wide.end(), L'/', L'\\');
        return wide;
    }
    std::vector<wchar_t> full(GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr) + 1);
    DWORD length =
        GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0 || length >= full.size()) return wide;
    const std::wstring settled(full.data(), length);
    if (settled.size() < MAX_PATH) return settled;
    if (hasPrefix(settled, L"\\\\")) return L"\\\\?\\UNC\\" + settled.substr(2);
    return L"\\\\?\\" + settled;
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

std::string userCacheFolder() {
    auto localAppData = environmentValue("LOCALAPPDATA");
    if (!localAppData || !std::filesystem::u8path(*localAppData).is_absolute()) return "";
    return *localAppData;
}

unsigned long processId() { return GetCurrentProcessId(); }

bool replaceFile(const std::string& from, const std::string& to) {
    return MoveFileExW(systemPath(from).c_str(), systemPath(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING) != 0;
}

// Opened sharing everything, so that a file another program holds open still
// counts; a folder does not open.
bool isReadableFile(const std::string& path) {
    FILE* file = _wfsopen(systemPath(path).c_str(), L"rb", _SH_DENYNO);
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

namespace {

// An argument as the C runtime's parser of a command line reads it back:
// quoted when it is empty or holds a blank, a tab or a quote, with the
// backslashes before a quote, and before the closing one, doubled.
std::wstring quotedArgument(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) {
        return argument;
    }
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

HANDLE inheritableFile(const std::wstring& path, DWORD access, DWORD disposition) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       &inherit, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

int runProgramLogged(const std::vector<std::string>& arguments, const std::string& outputFile) {
    std::wstring commandLine;
    for (const std::string& argument : arguments) {
        commandLine += (commandLine.empty() ? L"" : L" ") + quotedArgument(text::widen(argument));
    }
    HANDLE output = inheritableFile(systemPath(outputFile), FILE_APPEND_DATA, OPEN_ALWAYS);
    HANDLE input = inheritableFile(L"NUL", GENERIC_READ, OPEN_EXISTING);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input;
    startup.hStdOutput = output;
    startup.hStdError = output;
    PROCESS_INFORMATION process{};
    const bool started =
        output != INVALID_HANDLE_VALUE && input != INVALID_HANDLE_VALUE &&
        CreateProcessW(systemPath(arguments.front()).c_str(), commandLine.data(), nullptr, nullptr,
                       TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process);
    for (HANDLE file : {output, input}) {
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }
    if (!started) return -1;
    DWORD status = static_cast<DWORD>(-1);
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(status);
}

const char* clearScreenCommand() { return "cls"; }

// A write to a closed pipe already fails with an error on Windows.
void ignoreBrokenPipe() {}

// The default search would take a DLL named without a folder from the working
// folder or PATH, where anyone may have put one.
void restrictLibrarySearch() {
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
    SetDllDirectoryW(L"");
}

// Only searches that leave out PATH (a restricted process, or a load that asks
// for the added folders) see the folder.
void addLibraryFolder(const std::string& folder) { AddDllDirectory(systemPath(folder).c_str()); }

namespace {

unsigned __stdcall runWork(void* work) {
    (*static_cast<const std::function<void()>*>(work))();
    return 0;
}

}  // namespace

// The size is a reservation, as the program's own stack is: only the pages
// the thread touches are committed. _beginthreadex, not CreateThread, so the
// runtime library sets the thread up for itself.
bool runOnNewThread(std::size_t stackSize, const std::function<void()>& work) {
    auto thread = reinterpret_cast<HANDLE>(_beginthreadex(
        nullptr, static_cast<unsigned>(stackSize), runWork,
        const_cast<std::function<void()>*>(&work), STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr));
    if (!thread) return false;
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    return true;
}

// The library's imports are searched in its own folder and the one above it,
// besides the system's folders and the program's; never in the working folder
// or PATH. The folder above stays in the restricted search, where the DLLs
// that the VM loads later find the ones they import (a JDK keeps them all in
// bin); the system's usual search, a host's own, is left as it was.
void* openLibrary(const std::string& path, std::string& reason) {
    const std::string parent = parentOfFolder(path);
    if (!parent.empty()) addLibraryFolder(parent);
    HMODULE module =
        LoadLibraryExW(systemPath(path).c_str(), nullptr,
                       LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
    if (!module) reason = lastError();
    return reinterpret_cast<void*>(module);
}

void* findSymbol(void* library, const char* name, std::string& reason) {
    FARPROC procedure = GetProcAddress(reinterpret_cast<HMODULE>(library), name);
    if (!procedure) reason = lastError();
    return reinterpret_cast<void*>(procedure);
}

void closeLibrary(void* library) noexcept { FreeLibrary(reinterpret_cast<HMODULE>(library)); }

}  // namespace mirobanth::os
