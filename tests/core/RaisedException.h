#pragma once

#include <mirobanth/core/RuntimeException.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace mirobanth::test {

// Runs fn, which must raise a new RuntimeException* by the core library's
// convention, takes ownership of it and answers its text. A call that
// returns normally fails the test and answers "<nothing raised>".
template <typename Fn>
std::string raisedText(Fn&& fn) {
    try {
        fn();
    } catch (core::RuntimeException* raised) {
        std::unique_ptr<core::RuntimeException> owned(raised);
        return owned->what();
    }
    ADD_FAILURE() << "nothing was raised";
    return "<nothing raised>";
}

}  // namespace mirobanth::test
