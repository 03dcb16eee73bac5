#pragma once

#include <optional>
#include <string>
#include <vector>

namespace mirobanth::application {

// A desktop program that shows a message box on our behalf, and the
// arguments each one needs for the two dialogs the platform shows.
class DialogProgram {
public:
    enum class Kind { Zenity, KDialog, XMessage };

    DialogProgram(Kind kind, std::string path);

    // The first of zenity, kdialog and xmessage on the search path: the GNOME
    // and KDE ones fit their desktops, xmessage is there on any X server.
    static std::optional<DialogProgram> find(const std::string& searchPath);

    Kind kind() const { return programKind; }
    const std::string& path() const { return programPath; }

    // A box with the caption, the text and a single OK button.
    std::vector<std::string> alertArguments(const std::string& caption,
                                            const std::string& text) const;
    // A warning with the buttons Retry (exit status 0) and Cancel, Cancel
    // being the default where the program lets us choose.
    std::vector<std::string> retryArguments(const std::string& caption,
                                            const std::string& text) const;

private:
    Kind programKind;
    std::string programPath;
};

}  // namespace mirobanth::application
