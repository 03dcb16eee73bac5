#include <gtest/gtest.h>
#include <windows.h>

#include "OperatingSystem.h"

namespace mirobanth::os { namespace {

TEST(NewThreadTest, TheThreadsStackIsTheReservationAskedFor) {
    ULONG_PTR low = 0, high = 0;
    ASSERT_TRUE(runOnNewThread(4 << 20, [&] { GetCurrentThreadStackLimits(&low, &high); }));
    EXPECT_EQ(high - low, 4u << 20);
}

}}  // namespace mirobanth::os
