#pragma once

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

#include "TestSystem.h"

namespace mirobanth::test {

// Sets or removes environment variables for one test and puts every one it
// touched back as it was when the test ends.
class EnvironmentVariables {
public:
    EnvironmentVariables() = default;
    ~EnvironmentVariables() {
        for (const auto& [name, value] : saved) system::setEnvironment(name, value);
    }
    EnvironmentVariables(const EnvironmentVariables&) = delete;
    EnvironmentVariables& operator=(const EnvironmentVariables&) = delete;

    void set(const std::string& name, const std::string& value) { change(name, value); }
    void remove(const std::string& name) { change(name, std::nullopt); }

private:
    void change(const std::string& name, const std::optional<std::string>& value) {
        const char* old = std::getenv(name.c_str());
        // What the test found is kept; later changes leave it alone.
        saved.try_emplace(name, old ? std::optional<std::string>(old) : std::nullopt);
        system::setEnvironment(name, value);
    }

    std::map<std::string, std::optional<std::string>> saved;
};

}  // namespace mirobanth::test
