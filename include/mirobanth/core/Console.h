#pragma once

#include <mirobanth/core/CoreExport.h>
#include <mirobanth/core/Name.h>

#include <exception>
#include <string>

namespace mirobanth::core {

// The process-wide diagnostics channel. info goes to standard output, warn
// to standard error, both suppressed when silent; tagged forms print the
// source's name, ": " and the text. fatal is the only exit path (status 1).
// Quiet leaves out the information lines (info, the init and finalize
// events, the splash and the argument echo) but keeps every warning: a
// product's own output then stands alone, and a failure is still told.
class MIROBANTH_CORE_API Console : public Name {
public:
    Console();
    Console(const Console&) = default;
    Console& operator=(const Console&) = default;
    ~Console() override;

    static void info(const std::string& text);
    static void warn(const std::string& text);
    static void info(const Name* source, const std::string& text);
    static void warn(const Name* source, const std::string& text);

    static void notImplemented();
    static void notImplemented(const std::string& text);
    static void notImplemented(const Name* source, const std::string& text);

    static void initEvent(const Name* source);
    static void initEvent(const Name* source, const std::string& detail);
    static void finalizeEvent(const Name* source);

    static void splash(std::string name, std::string host, std::string user, std::string stamp);

    [[noreturn]] static void fatal(const std::string& text);
    [[noreturn]] static void fatal(const std::string& text, const std::exception& exception);
    [[noreturn]] static void fatal(const Name* source, const std::string& text);
    [[noreturn]] static void fatal(const Name* source, const std::string& text,
                                   const std::exception& exception);

    static void enableSilent(bool on);
    static bool isSilent();
    static void enableQuiet(bool on);
    static bool isQuiet();
    static void enableVerbose(bool on);
    static bool isVerbose();
    static void enableStacktrace(bool on);
    static bool isStacktraceEnabled();
    static void enableCommentMode(bool on);
    static bool isCommentMode();
    static void setCommentPrefix(std::string prefix);
    static std::string getCommentPrefix();
    static void setCompanyName(std::string name);
    static std::string getCompanyName();
    static void setExecutableName(std::string name);
    static std::string getExecutableName();

    const char* getVersion() const;

    static void clear();
    static void slow();
    static void setLocale();
    static void test();

private:
    static void execute(const std::string& command);
    static void execute(const std::string& command, const std::string& target);
};

}  // namespace mirobanth::core
