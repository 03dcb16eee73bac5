#include "platform/State.h"

#include <mirobanth/core/Console.h>

namespace mirobanth::application {

State::State() { core::Console::info("<STATE>"); }

State::State(std::string key, std::string value) : State() {
    core::Console::info(key + " " + value);
}

}  // namespace mirobanth::application
