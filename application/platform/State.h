#pragma once

#include <string>

namespace mirobanth::application {

// A piece of application state. For now it only announces itself: "<STATE>",
// and with a key and a value also the line "key value". Internal to the
// application library.
class State {
public:
    State();
    State(std::string key, std::string value);
};

}  // namespace mirobanth::application
