#include "TestSystem.h"

#include <fcntl.h>
#include <io.h>
#include <stdlib.h>
#include <windows.h>

#include <random>
#include <stdexcept>

#include "WideText.h"

namespace mirobanth::test::system {

std::string programFile() {
    wchar_t path[32768];
    DWORD n = GetModuleFileNameW(nullptr, path, 32768);
    return n == 0 ? ".\\unknown.exe" : narrow(std::wstring(path, n));
}

std::string makeTemporaryFolder() {
    wchar_t base[MAX_PATH + 1];
    DWORD n = GetTempPathW(MAX_PATH + 1, base);
    if (n == 0) throw std::runtime_error("no temporary folder");
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::wstring folder =
            std::wstring(base, n) + L"mirobanth-test-" + std::to_wstring(random() % 1000000000u);
        if (CreateDirectoryW(folder.c_str(), nullptr)) return narrow(folder);
    }
    throw std::runtime_error("cannot make a temporary folder");
}

// The runtime library's tmpfile names its files by a counter of the process
// alone, in the root folder, so test programs running side by side collide.
std::FILE* makeTemporaryFile() {
    wchar_t base[MAX_PATH + 1];
    wchar_t file[MAX_PATH + 1];
    if (!GetTempPathW(MAX_PATH + 1, base) || !GetTempFileNameW(base, L"mbc", 0, file))
        return nullptr;
    return _wfopen(file, L"w+bD");
}

// Both the runtime library's copy of the environment (getenv) and the
// process's own (what CreateProcess hands on) change. The runtime library
// takes "" for removal, so an empty value lives in the process's environment
// alone. Narrow texts are UTF-8, as the test programs' code page is.
void setEnvironment(const std::string& name, const std::optional<std::string>& value) {
    _putenv_s(name.c_str(), value ? value->c_str() : "");
    if (value && value->empty()) SetEnvironmentVariableW(widen(name).c_str(), L"");
}

std::string programFileName(const std::string& name) { return name + ".exe"; }

int rawMode(int fd) { return _setmode(fd, _O_BINARY); }

void restoreMode(int fd, int mode) {
    if (mode != -1) _setmode(fd, mode);
}

}  // namespace mirobanth::test::system
