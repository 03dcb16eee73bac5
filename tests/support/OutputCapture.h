#pragma once

#include <cstdio>
#include <string>

namespace mirobanth::test {

// What a piece of code wrote on the two standard streams.
struct CapturedOutput {
    std::string out;
    std::string err;
};

// Redirects standard output and standard error at the file-descriptor level,
// so that C++ streams, C stdio and direct writes are all caught. The streams
// are restored by stop() or, at the latest, by the destructor. What is caught
// are the bytes the code wrote: no system translates line ends meanwhile.
class OutputCapture {
public:
    OutputCapture();
    ~OutputCapture();
    OutputCapture(const OutputCapture&) = delete;
    OutputCapture& operator=(const OutputCapture&) = delete;

    CapturedOutput stop();

private:
    struct Stream {
        int fd;
        int saved = -1;
        int mode = 0;
        std::FILE* file = nullptr;
    };
    void redirect(Stream& stream);
    std::string restore(Stream& stream);

    Stream out{1};
    Stream err{2};
    bool active = true;
};

// Runs fn with both streams captured and returns what it wrote.
template <typename Fn>
CapturedOutput capture(Fn&& fn) {
    OutputCapture capture;
    fn();
    return capture.stop();
}

}  // namespace mirobanth::test
