#pragma once

#include <mirobanth/core/CoreExport.h>

#include <string>

namespace mirobanth::core {

// The console operations that transitions report through. The one
// implementation, TransitionManager, is never deleted through it.
class MIROBANTH_CORE_API TransitionConsole {
public:
    virtual void enableVerbose(bool on) = 0;
    virtual void enableSilent(bool on) = 0;
    virtual void setCommentPrefix(std::string prefix) = 0;
    virtual void info(std::string text) = 0;
    virtual void warn(std::string text) = 0;
    virtual void fatal(std::string text, bool flag) = 0;
    virtual void fatal(std::string text) = 0;

protected:
    TransitionConsole() = default;
    TransitionConsole(const TransitionConsole&) = default;
    TransitionConsole& operator=(const TransitionConsole&) = default;
    ~TransitionConsole() = default;
};

}  // namespace mirobanth::core
