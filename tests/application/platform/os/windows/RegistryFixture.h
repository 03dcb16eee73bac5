#pragma once

#include <windows.h>

#include <string>

namespace mirobanth::test {

// Java registry entries that a test writes under HKEY_LOCAL_MACHINE in the
// test prefix; every JavaSoft key is gone before and after the test.
class RegistryFixture {
public:
    RegistryFixture() { clear(); }
    ~RegistryFixture() { clear(); }
    RegistryFixture(const RegistryFixture&) = delete;
    RegistryFixture& operator=(const RegistryFixture&) = delete;

    static void createKey(const std::string& path) {
        HKEY key = nullptr;
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                            &key, nullptr) == ERROR_SUCCESS)
            RegCloseKey(key);
    }
    // Stores the bytes as they are, creating the key: a string value's
    // terminating zero is part of them when the test wants one.
    static void setValue(const std::string& path, const std::string& name,
                         const std::string& bytes) {
        RegSetKeyValueA(HKEY_LOCAL_MACHINE, path.c_str(), name.c_str(), REG_SZ, bytes.data(),
                        static_cast<DWORD>(bytes.size()));
    }
    // A complete installation under the key: its current version and RuntimeLib.
    static void install(const std::string& path, const std::string& version,
                        const std::string& runtimeLib) {
        setValue(path, "CurrentVersion", version + std::string(1, '\0'));
        setValue(path + "\\" + version, "RuntimeLib", runtimeLib + std::string(1, '\0'));
    }

private:
    static void clear() { RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SOFTWARE\\JavaSoft"); }
};

}  // namespace mirobanth::test
