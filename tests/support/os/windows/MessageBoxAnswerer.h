#pragma once

#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace mirobanth::test {

// What a message box showed.
struct SeenMessageBox {
    bool found = false;
    std::string caption;
    std::string text;
    std::vector<std::string> buttons;  // their labels, in window order
};

// Waits on a thread of its own for a message box with the caption, in this
// process or another of the same Wine session, reads it and answers it. A
// box that does not come within the time limit is reported as not found.
class MessageBoxAnswerer {
public:
    enum class Answer { Ok, Retry, Cancel, Close };

    // whenShown runs on the answering thread once the box is up, before it
    // is answered: a test sees there what had happened by then.
    MessageBoxAnswerer(std::string caption, Answer answer,
                       std::function<void()> whenShown = nullptr, int timeoutMilliseconds = 30000);
    ~MessageBoxAnswerer();
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

    // Waits until the box was answered (or the time ran out).
    SeenMessageBox seen();

private:
    void answerWhenShown(std::string caption, Answer answer, std::function<void()> whenShown,
                         int timeoutMilliseconds);

    SeenMessageBox box;
    std::thread worker;
};

}  // namespace mirobanth::test
