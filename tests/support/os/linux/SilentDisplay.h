#pragma once

#include <string>

namespace mirobanth::test {

// An X display that takes connections and never answers: a listening socket
// at /tmp/.X11-unix/XN for a free N, claimed with the lock file X servers
// use, so that no server (nor another test) takes N meanwhile.
class SilentDisplay {
public:
    SilentDisplay();
    ~SilentDisplay();
    SilentDisplay(const SilentDisplay&) = delete;
    SilentDisplay& operator=(const SilentDisplay&) = delete;

    // The value of DISPLAY that names it, ":N".
    const std::string& name() const { return displayName; }

private:
    std::string displayName, lockFile, socketFile;
    int listener = -1;
};

}  // namespace mirobanth::test
