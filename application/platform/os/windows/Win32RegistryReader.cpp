#include "platform/os/windows/Win32RegistryReader.h"

#include <windows.h>

namespace mirobanth::application {

RegistryReader::Key Win32RegistryReader::open(const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

// A value longer than the buffer fails with ERROR_MORE_DATA, as a missing one
// fails with its own error.
long Win32RegistryReader::read(Key key, const std::string& name, unsigned char* buffer,
                               std::size_t capacity) {
    DWORD size = static_cast<DWORD>(capacity);
    LONG status =
        RegQueryValueExA(static_cast<HKEY>(key), name.c_str(), nullptr, nullptr, buffer, &size);
    if (status != ERROR_SUCCESS || size > capacity) return -1;
    return static_cast<long>(size);
}

void Win32RegistryReader::close(Key key) { RegCloseKey(static_cast<HKEY>(key)); }

}  // namespace mirobanth::application
