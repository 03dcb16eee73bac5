#pragma once

#include <mirobanth/core/CoreExport.h>
#include <mirobanth/core/Transition.h>
#include <mirobanth/core/TransitionConsole.h>

#include <string>

namespace mirobanth::core {

// The process-wide façade between transitions and the Console. Switches and
// information lines go straight through; warnings and fatal texts are only
// checked for emptiness, and fatal never ends the process.
class MIROBANTH_CORE_API TransitionManager : public TransitionConsole {
public:
    TransitionManager(const TransitionManager&) = delete;
    TransitionManager& operator=(const TransitionManager&) = delete;

    // The one manager, created on first request and kept for the life of the process.
    static TransitionManager& instance();

    void enableVerbose(bool on) override;
    void enableSilent(bool on) override;
    void setCommentPrefix(std::string prefix) override;
    void info(std::string text) override;
    void warn(std::string text) override;
    // The flag is accepted for the interface's sake and not used.
    void fatal(std::string text, bool flag) override;
    void fatal(std::string text) override;

    // Runs the transition steps once on a fresh transition.
    static void test();

private:
    TransitionManager() = default;
    ~TransitionManager() = default;

    void checkText(const std::string& text);
    void passByReference(Transition& transition, bool show);
    void passByValue(Transition transition);
    void after(Transition& transition);

    TransitionManager* self = nullptr;
    bool trace = false;
};

}  // namespace mirobanth::core
