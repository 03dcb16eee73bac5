#include "platform/os/linux/ConsoleDialog.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <iostream>

namespace mirobanth::application {

namespace {

bool isWhiteSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

std::string trimmedLowerCase(const std::string& text) {
    auto first = std::find_if_not(text.begin(), text.end(), isWhiteSpace);
    auto last = std::find_if_not(text.rbegin(), text.rend(), isWhiteSpace).base();
    std::string result = first < last ? std::string(first, last) : std::string();
    for (char& c : result) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

// Reads byte by byte so that nothing after the answer is taken away from
// whoever reads standard input next (the command mode of the application).
std::string readLine(int inputFd) {
    std::string line;
    for (;;) {
        char c = 0;
        ssize_t n = read(inputFd, &c, 1);
        if (n < 0 && errno == EINTR) continue;
        if (n != 1 || c == '\n') return line;
        line += c;
    }
}

}  // namespace

void ConsoleDialog::alert(const std::string& caption, const std::string& message) {
    std::cerr << caption << ": " << trimTrailingWhiteSpace(message) << std::endl;
}

bool ConsoleDialog::askRetry(const std::string& caption, const std::string& question, int inputFd) {
    if (!isatty(inputFd)) return false;
    std::cerr << caption << ": " << question << " [retry/cancel] " << std::flush;
    return isRetryAnswer(readLine(inputFd));
}

bool ConsoleDialog::isRetryAnswer(const std::string& line) {
    std::string answer = trimmedLowerCase(line);
    return answer == "r" || answer == "retry";
}

std::string ConsoleDialog::trimTrailingWhiteSpace(const std::string& text) {
    auto end = std::find_if_not(text.rbegin(), text.rend(), isWhiteSpace).base();
    return std::string(text.begin(), end);
}

}  // namespace mirobanth::application
