#pragma once

#include "platform/portable/RegistryReader.h"

namespace mirobanth::application {

// The registry of this machine: HKEY_LOCAL_MACHINE, opened with KEY_READ and
// no view flag, so each build reads the view of its own word size.
class Win32RegistryReader : public RegistryReader {
public:
    Key open(const std::string& path) override;
    long read(Key key, const std::string& name, unsigned char* buffer,
              std::size_t capacity) override;
    void close(Key key) override;
};

}  // namespace mirobanth::application
