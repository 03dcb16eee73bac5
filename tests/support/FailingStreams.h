#pragma once

#include <iostream>
#include <stdexcept>
#include <streambuf>

namespace mirobanth::test {

// While it lives, every write to std::cout and std::cerr throws (the streams
// rethrow what their buffer throws), as a stream of a host may be set up to:
// for code that must not let such a failure escape.
class FailingStreams {
public:
    FailingStreams()
        : savedOut(std::cout.rdbuf(&failing)),
          savedErr(std::cerr.rdbuf(&failing)),
          outMask(std::cout.exceptions()),
          errMask(std::cerr.exceptions()) {
        std::cout.exceptions(std::ios::badbit);
        std::cerr.exceptions(std::ios::badbit);
    }
    ~FailingStreams() {
        std::cout.rdbuf(savedOut);
        std::cerr.rdbuf(savedErr);
        std::cout.clear();
        std::cerr.clear();
        std::cout.exceptions(outMask);
        std::cerr.exceptions(errMask);
    }
    FailingStreams(const FailingStreams&) = delete;
    FailingStreams& operator=(const FailingStreams&) = delete;

private:
    struct FailingBuffer : std::streambuf {
        int_type overflow(int_type) override { throw std::runtime_error("stream closed"); }
    };
    FailingBuffer failing;
    std::streambuf* savedOut;
    std::streambuf* savedErr;
    std::ios::iostate outMask;
    std::ios::iostate errMask;
};

}  // namespace mirobanth::test
