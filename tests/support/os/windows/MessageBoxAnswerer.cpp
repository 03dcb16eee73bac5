#include "MessageBoxAnswerer.h"

#include <windows.h>

#include "WideText.h"

namespace mirobanth::test {

namespace {

using system::narrow;
using system::widen;

// The static control that holds a message box's text.
constexpr int MESSAGE_TEXT_ID = 0xFFFF;

std::string windowText(HWND window) {
    wchar_t text[4096] = L"";
    int length = GetWindowTextW(window, text, 4096);
    return narrow(std::wstring(text, static_cast<size_t>(length)));
}

BOOL CALLBACK collectButton(HWND child, LPARAM buttons) {
    wchar_t className[64] = L"";
    GetClassNameW(child, className, 64);
    if (lstrcmpiW(className, L"Button") == 0)
        reinterpret_cast<std::vector<std::string>*>(buttons)->push_back(windowText(child));
    return TRUE;
}

int buttonOf(MessageBoxAnswerer::Answer answer) {
    if (answer == MessageBoxAnswerer::Answer::Ok) return IDOK;
    return answer == MessageBoxAnswerer::Answer::Retry ? IDRETRY : IDCANCEL;
}

}  // namespace

MessageBoxAnswerer::MessageBoxAnswerer(std::string caption, Answer answer,
                                       std::function<void()> whenShown, int timeoutMilliseconds)
    : worker(&MessageBoxAnswerer::answerWhenShown, this, std::move(caption), answer,
             std::move(whenShown), timeoutMilliseconds) {}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    if (worker.joinable()) worker.join();
}

SeenMessageBox MessageBoxAnswerer::seen() {
    if (worker.joinable()) worker.join();
    return box;
}

void MessageBoxAnswerer::answerWhenShown(std::string caption, Answer answer,
                                         std::function<void()> whenShown, int timeoutMilliseconds) {
    std::wstring wideCaption = widen(caption);
    HWND window = nullptr;
    for (int waited = 0; !window && waited < timeoutMilliseconds; waited += 50) {
        window = FindWindowW(L"#32770", wideCaption.c_str());
        if (!window) Sleep(50);
    }
    if (!window) return;
    box.found = true;
    box.caption = windowText(window);
    wchar_t text[4096] = L"";
    UINT length = GetDlgItemTextW(window, MESSAGE_TEXT_ID, text, 4096);
    box.text = narrow(std::wstring(text, length));
    EnumChildWindows(window, collectButton, reinterpret_cast<LPARAM>(&box.buttons));
    if (whenShown) whenShown();
    if (answer == Answer::Close)
        PostMessageW(window, WM_CLOSE, 0, 0);
    else
        PostMessageW(GetDlgItem(window, buttonOf(answer)), BM_CLICK, 0, 0);
}

}  // namespace mirobanth::test
