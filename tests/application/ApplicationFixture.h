#pragma once

#include <mirobanth/application/Application.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ChildProcess.h"
#include "CommandLine.h"
#include "ConsoleSwitches.h"
#include "EnvironmentVariables.h"
#include "OutputCapture.h"
#include "SystemFacts.h"

namespace mirobanth::test {

// The object every application test makes.
using application::Application;

// Applications change process-wide state (console switches, PATH). The
// fixture fixes what their start-up lines depend on and restores it all.
class ApplicationTest : public ::testing::Test {
protected:
    ApplicationTest() {
        environment.set("PROCESSOR_ARCHITECTURE", "amd64");
        environment.set("USERNAME", "ana");
        environment.set("PATH", "/usr/bin");
        for (const char* name : {"MIROBANTH_SILENT", "MIROBANTH", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(name);
    }

    EnvironmentVariables environment;
    ConsoleSwitches switches;
};

// With an application named Tintavel, made and destroyed out of sight.
class TintavelApplicationTest : public ApplicationTest {
protected:
    TintavelApplicationTest() {
        capture([&] { application = std::make_unique<Application>("Tintavel", 0, nullptr); });
    }
    ~TintavelApplicationTest() override {
        capture([&] { application.reset(); });
    }

    std::unique_ptr<Application> application;
};

// The system/ folder beside the application library, which PATH receives;
// the libraries and the test programs are built into one folder.
extern const std::string SYSTEM_FOLDER;
// PATH as every application leaves the fixture's /usr/bin.
inline std::string extendedPath() { return facts::pathList({"/usr/bin", SYSTEM_FOLDER}); }

// Splits the two splash lines off the front of out; fails the test when they
// are not the banner for name followed by a date in asctime form.
std::string withoutSplash(const std::string& out, const std::string& name);

}  // namespace mirobanth::test
