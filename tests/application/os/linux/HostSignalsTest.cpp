#include <mirobanth/application/MirobanthApplication.h>

#include <gtest/gtest.h>

#include <csignal>

#include "OutputCapture.h"

namespace mirobanth::test { namespace {

// A host decides what a write to a closed pipe does to its process; creating
// an application must leave that as the host had it.
TEST(HostSignalsTest, CreatingAnApplicationKeepsTheHostsBrokenPipeDisposition) {
    struct sigaction saved {};
    sigaction(SIGPIPE, nullptr, &saved);
    std::signal(SIGPIPE, SIG_DFL);
    ApplicationTypeC application = nullptr;
    capture([&] { application = mbApplicationCreateWithName("Host"); });
    struct sigaction now {};
    sigaction(SIGPIPE, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
    capture([&] { mbApplicationDelete(application); });
    sigaction(SIGPIPE, &saved, nullptr);
}

}}  // namespace mirobanth::test
