#include "platform/os/linux/DialogProgram.h"

#include <utility>

#include "platform/os/linux/ExecutableSearch.h"

namespace mirobanth::application {

namespace {

struct KnownProgram {
    DialogProgram::Kind kind;
    const char* name;
};

// In order of preference.
constexpr KnownProgram KNOWN_PROGRAMS[] = {
    {DialogProgram::Kind::Zenity, "zenity"},
    {DialogProgram::Kind::KDialog, "kdialog"},
    {DialogProgram::Kind::XMessage, "xmessage"},
};

}  // namespace

DialogProgram::DialogProgram(Kind kind, std::string path)
    : programKind(kind), programPath(std::move(path)) {}

std::optional<DialogProgram> DialogProgram::find(const std::string& searchPath) {
    for (const auto& known : KNOWN_PROGRAMS) {
        std::string path = ExecutableSearch::find(known.name, searchPath);
        if (!path.empty()) return DialogProgram(known.kind, path);
    }
    return std::nullopt;
}

std::vector<std::string> DialogProgram::alertArguments(const std::string& caption,
                                                       const std::string& text) const {
    switch (programKind) {
        case Kind::Zenity:
            // Without --no-markup a "<" or "&" in a message would be read as markup.
            return {programPath, "--info", "--no-markup", "--title=" + caption, "--text=" + text};
        case Kind::KDialog:
            return {programPath, "--title", caption, "--msgbox", text};
        case Kind::XMessage:
            return {programPath, "-title", caption, "-buttons", "OK:0", text};
    }
    return {};
}

std::vector<std::string> DialogProgram::retryArguments(const std::string& caption,
                                                       const std::string& text) const {
    switch (programKind) {
        case Kind::Zenity:
            return {
                programPath,      "--question",       "--no-markup",           "--title=" + caption,
                "--text=" + text, "--ok-label=Retry", "--cancel-label=Cancel", "--default-cancel",
            };
        case Kind::KDialog:
            // No default button is asked of kdialog: it has no option for one that
            // we could rely on across its versions.
            return {
                programPath,   "--title", caption,      "--warningyesno", text,
                "--yes-label", "Retry",   "--no-label", "Cancel",
            };
        case Kind::XMessage:
            return {
                programPath,        "-title",   caption,  "-buttons",
                "Retry:0,Cancel:1", "-default", "Cancel", text,
            };
    }
    return {};
}

}  // namespace mirobanth::application
