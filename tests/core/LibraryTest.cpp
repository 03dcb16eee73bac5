#include <mirobanth/core/Console.h>
#include <mirobanth/core/Library.h>

#include <gtest/gtest.h>

#include <tuple>

#include "ConsoleSwitches.h"
#include "OutputCapture.h"
#include "RaisedException.h"

namespace mirobanth::test { namespace {

class LibraryTest : public ::testing::Test {
protected:
    ConsoleSwitches restoreSwitches;
    core::Library library{"user32"};
};

TEST_F(LibraryTest, EmptyLibraryNameRaisesButLaterRenamingIsAccepted) {
    EXPECT_EQ(raisedText([] { core::Library unnamed(""); }), "Library name has zero length");
    EXPECT_EQ(core::Library().getName(), "mirobanth:default");

    library.setName("");
    EXPECT_EQ(library.name(), "");
    EXPECT_EQ(library.call("open").getText(), "undefined");
}

TEST_F(LibraryTest, EveryCallFormRefusesAnEmptyMethodName) {
    const char* refused = "Method name has zero length";
    EXPECT_EQ(raisedText([&] { library.call(""); }), refused);
    EXPECT_EQ(raisedText([&] { library.call(core::Method(""), {core::MethodArgument("x")}); }),
              refused);
    EXPECT_EQ(raisedText([&] { library.callVariable(core::Method(""), nullptr); }), refused);

    std::string deferred;
    auto output =
        capture([&] { deferred = raisedText([&] { library.invokeLater(core::Method("")); }); });
    EXPECT_EQ(deferred, refused);
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err, "");
}

TEST_F(LibraryTest, CallsAnswerPlaceholderValues) {
    EXPECT_EQ(library.call("messagebox").getText(), "undefined");
    EXPECT_EQ(library.call(core::Method("messagebox"), {core::MethodArgument("hello")}).getText(),
              "undefined");

    core::MethodArgument a("a"), b("b");
    EXPECT_EQ(library.callVariable(core::Method("beep"), nullptr).getText(), "");
    EXPECT_EQ(library.callVariable(core::Method("beep"), &a, &b, nullptr).getText(), "");
    EXPECT_EQ(
        library.callVariable(core::Method("beep"), &a, &b, &a, &b, &a, &b, &a, &b, &a, &b, nullptr)
            .getText(),
        "");

    // Dispatch without a check: even an empty name is let through.
    EXPECT_EQ(library.callReturnAndDispatch("").getText(), "");
}

TEST_F(LibraryTest, SelfTestWritesNothing) {
    auto output = capture([] { core::Library::test(); });
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err, "");
}

// The worker's lines in order; without verbose no finalize line, and none
// at all when silent.
TEST_F(LibraryTest, InvokeLaterReportsTheWorkerInOrder) {
    const std::string run = "Thread.start()\nThread called\nInvokerThread: run\n";
    for (const auto& [verbose, silent, out] :
         {std::tuple{true, false, run + "Thread: <FINALIZE>\n"}, std::tuple{false, false, run},
          std::tuple{true, true, std::string()}}) {
        core::Console::enableVerbose(verbose);
        core::Console::enableSilent(silent);
        auto output = capture([&] { library.invokeLater(core::Method("refresh")); });
        EXPECT_EQ(output.out, out) << verbose << silent;
        EXPECT_EQ(output.err, "");
    }
}

}}  // namespace mirobanth::test
