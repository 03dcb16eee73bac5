#include <mirobanth/core/Console.h>
#include <mirobanth/core/Library.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <sstream>
#include <thread>

#include "ConsoleSwitches.h"
#include "OutputCapture.h"
#include "Thread.h"

namespace mirobanth::test { namespace {

// A target that takes its time, so a start() that did not wait would return
// before the work is done, and that remembers which thread ran it.
class SlowTarget : public core::Runnable {
public:
    void run() override {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        runner = std::this_thread::get_id();
        done = true;
    }
    std::atomic<bool> done{false};
    std::thread::id runner;
};

// Threads of this process as the kernel lists them; 0 where there is no /proc.
std::size_t processThreadCount() {
    std::error_code error;
    std::filesystem::directory_iterator tasks("/proc/self/task", error);
    if (error) return 0;
    std::size_t count = 0;
    for (auto it = tasks; it != std::filesystem::directory_iterator(); ++it) ++count;
    return count;
}

// A joined thread can stay listed for a moment while the kernel tears it down.
std::size_t threadCountSettledAt(std::size_t expected) {
    std::size_t count = processThreadCount();
    for (int attempt = 0; attempt < 100 && count != expected; ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        count = processThreadCount();
    }
    return count;
}

std::string addressLineAndCount(const core::Thread* thread) {
    std::ostringstream expected;
    expected << static_cast<const void*>(thread) << "\n";
    for (int i = 1; i <= 100; ++i) expected << i << "\n";
    return expected.str();
}

class ThreadTest : public ::testing::Test {
protected:
    ConsoleSwitches restoreSwitches;
};

TEST_F(ThreadTest, StartRunsTheTargetOnAnotherThreadAndWaitsForIt) {
    SlowTarget target;
    core::Thread thread("worker", &target);
    auto output = capture([&] { thread.start(); });
    EXPECT_TRUE(target.done);
    EXPECT_NE(target.runner, std::this_thread::get_id());
    EXPECT_EQ(output.out, "Thread.start()\nThread called\n");
}

TEST_F(ThreadTest, WithoutATargetTheThreadCountsToOneHundred) {
    core::Thread thread;
    auto output = capture([&] { thread.start(); });
    EXPECT_EQ(output.out, "Thread.start()\nThread called\nThread: This is Thread.run()\n" +
                              addressLineAndCount(&thread));
}

TEST_F(ThreadTest, TheCountIsWrittenEvenWhenSilent) {
    core::Console::enableSilent(true);
    core::Thread thread;
    auto output = capture([&] { thread.run(); });
    EXPECT_EQ(output.out, addressLineAndCount(&thread));
    EXPECT_EQ(output.err, "");
}

TEST_F(ThreadTest, DestroyingAThreadAnnouncesItWhenVerbose) {
    auto verbose = capture([] { core::Thread("worker"); });
    EXPECT_EQ(verbose.out, "Thread: <FINALIZE>\n");

    core::Console::enableVerbose(false);
    auto quiet = capture([] { core::Thread("worker"); });
    EXPECT_EQ(quiet.out, "");
}

TEST_F(ThreadTest, NoWorkerOutlivesStartOrInvokeLater) {
    std::size_t before = processThreadCount();
    if (before == 0) GTEST_SKIP() << "no /proc/self/task to count threads in";

    SlowTarget target;
    core::Thread thread(&target);
    core::Library library;
    capture([&] {
        thread.start();
        library.invokeLater(core::Method("refresh"));
    });
    EXPECT_EQ(threadCountSettledAt(before), before);
}

}}  // namespace mirobanth::test
