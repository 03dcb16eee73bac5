#pragma once

#include <cstddef>
#include <string>

namespace mirobanth::application {

// The registry as the Java runtime lookup reads it: keys under
// HKEY_LOCAL_MACHINE opened for reading, and values read whole into a buffer
// of the caller's size. The Win32 registry is one; tests give a fake.
class RegistryReader {
public:
    using Key = void*;
    virtual ~RegistryReader() = default;

    // The opened key, or nullptr when it cannot be opened.
    virtual Key open(const std::string& path) = 0;
    // Reads the value's bytes into buffer; the number of bytes read, or -1
    // when the value is missing, unreadable or larger than capacity.
    virtual long read(Key key, const std::string& name, unsigned char* buffer,
                      std::size_t capacity) = 0;
    virtual void close(Key key) = 0;
};

}  // namespace mirobanth::application
