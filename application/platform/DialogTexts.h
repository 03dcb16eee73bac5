#pragma once

namespace mirobanth::application::dialog_texts {

// Texts of the user dialogs, the same on every platform so that users and
// tests see one wording.

// Added after the caption of every alert.
inline constexpr const char* ALERT_CAPTION_SUFFIX = " Alert";
// Added after the text of every alert: the blank tail keeps a short message
// from giving a cramped box.
inline constexpr const char* ALERT_TEXT_TAIL = "\n\t\t\t\t";

// The retry question shows this fixed text whatever the caller asked.
inline constexpr const char* CHOICE_CAPTION = "Application";
inline constexpr const char* CHOICE_TEXT = "Resource not available\nDo you want to try again?";

}  // namespace mirobanth::application::dialog_texts
