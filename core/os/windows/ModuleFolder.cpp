#include "core/ModuleFolder.h"

#include <windows.h>

#include <vector>

namespace mirobanth::core {

const char* const DIRECTORY_SEPARATOR = "\\";

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

// The executables run with the UTF-8 code page, so every narrow text is UTF-8.
std::string utf8(const std::wstring& text) {
    if (text.empty()) return "";
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                   0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size,
                        nullptr, nullptr);
    return result;
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
    std::string file = utf8(moduleFileName(module));
    std::string::size_type separator = file.find_last_of("\\/");
    return separator == std::string::npos ? "" : file.substr(0, separator);
}

}  // namespace mirobanth::core
