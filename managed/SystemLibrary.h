#pragma once

#include <string>

// The operating system's library loader, one source file per system under os/.
namespace mirobanth::managed::system_library {

// The handle of the library at path, or null with the system's reason.
void* open(const std::string& path, std::string& reason);
// The address of an exported symbol, or null with the system's reason.
void* find(void* handle, const char* name, std::string& reason);
void close(void* handle) noexcept;

}  // namespace mirobanth::managed::system_library
