// The Windows platform on the Win32 API, under Wine: real registry keys in
// the test prefix and real message boxes on a virtual display, each read and
// answered by the test.
#include <mirobanth/application/platform/PlatformWindows.h>

#include <gtest/gtest.h>
#include <io.h>

#include <cstdlib>

#include "ChildProcess.h"
#include "ConsoleSwitches.h"
#include "MessageBoxAnswerer.h"
#include "OutputCapture.h"
#include "RegistryFixture.h"
#include "TextLines.h"

namespace mirobanth::test { namespace {

using Answer = MessageBoxAnswerer::Answer;

const std::string TAIL = "\n\t\t\t\t";
const std::string JRE8 = "SOFTWARE\\JavaSoft\\Java Runtime Environment";

TEST(PlatformWindowsTest, IdentityAndConventions) {
    application::PlatformWindows platform;
    EXPECT_EQ(platform.getPlatformName(), "Windows");
    EXPECT_EQ(platform.getPathSeparator(), ";");
    EXPECT_EQ(platform.getPlatformInfo(), "<Unknown>");
    EXPECT_EQ(platform.getPlatformDetail(), "Unknown");
    EXPECT_EQ(platform.quoteForShell("C:/Program Files/Java"), "\"C:/Program Files/Java\"");
}

TEST(PlatformWindowsTest, SleepsSilently) {
    application::PlatformWindows platform;
    auto output = capture([&] {
        DWORD before = GetTickCount();
        platform.sleepNow(120);
        EXPECT_GE(GetTickCount() - before, 100u);
        platform.sleepNow(0);
    });
    EXPECT_EQ(output.out + output.err, "");
}

TEST(PlatformWindowsTest, Convert3SplitsBehindTheProgramsOwnPath) {
    char text[] = "a  b c";
    int argc = 0;
    char** argv = nullptr;
    application::PlatformWindows::convert3(text, argc, argv);
    ASSERT_EQ(argc, 4);
    std::string program = argv[0];
    std::free(argv);
    char empty[] = "";
    application::PlatformWindows::convert3(empty, argc, argv);
    EXPECT_EQ(std::string(argv[0]), program) << "the path stays valid after the call";
    std::free(argv);
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    EXPECT_EQ(program, self);
}

TEST(PlatformWindowsTest, Convert1OnlyReportsAndConvert2DoesNothing) {
    char text[] = "x";
    int first = 7, second = 8;
    auto output = capture([&] { application::PlatformWindows::convert1(text, &first, &second); });
    EXPECT_EQ(output.err, "Function not implemented: PlatformWindows::convert1\n");
    EXPECT_EQ(first + second, 15);
    wchar_t wide[] = L"y";
    char* vector[1] = {nullptr};
    output = capture([&] { application::PlatformWindows::convert2(wide, 1, vector); });
    EXPECT_EQ(output.out + output.err, "");
    EXPECT_EQ(vector[0], nullptr);
}

// The program inherits no handles, so it leaves its mark in a file, which
// is complete once system returns.
TEST(PlatformWindowsTest, SystemRunsAProgramToItsEndAndIgnoresAMissingOne) {
    TemporaryFolder folder;
    std::string marker = folder.path() + "\\ran.txt";
    std::string line = "cmd.exe /c ping -n 2 127.0.0.1 >nul & echo done> \"" + marker + "\"";
    auto output = capture([&] { application::PlatformWindows::system(nullptr, line.data()); });
    EXPECT_EQ(fileLines(marker), Lines{"done"});
    EXPECT_EQ(output.out + output.err, "");
    std::string missing = "C:\\no\\such\\program.exe";
    std::string missingLine = missing + " x";
    output =
        capture([&] { application::PlatformWindows::system(missing.data(), missingLine.data()); });
    EXPECT_EQ(output.out + output.err, "");
}

// The alert's box: the caption and text as composed, only an OK button.
TEST(PlatformWindowsTest, AlertShowsTheTitledBoxUntilItIsAnswered) {
    application::PlatformWindows platform;
    MessageBoxAnswerer answerer("Report Alert", Answer::Ok);
    auto output = capture([&] { platform.alert("Report", "Class not found"); });
    SeenMessageBox box = answerer.seen();
    ASSERT_TRUE(box.found);
    EXPECT_EQ(box.text, "Class not found" + TAIL);
    EXPECT_EQ(box.buttons, Lines{"OK"});
    EXPECT_EQ(output.out + output.err, "");
}

TEST(PlatformWindowsTest, ChoiceIsTrueOnlyForRetry) {
    application::PlatformWindows platform;
    for (Answer answer : {Answer::Retry, Answer::Cancel, Answer::Close}) {
        MessageBoxAnswerer answerer("Application", answer);
        bool retry = platform.choice("ignored question");
        SeenMessageBox box = answerer.seen();
        ASSERT_TRUE(box.found);
        EXPECT_EQ(box.text, "Resource not available\nDo you want to try again?");
        EXPECT_EQ(box.buttons, (Lines{"&Retry", "Cancel"}));
        EXPECT_EQ(retry, answer == Answer::Retry);
    }
}

class RuntimeLookupTest : public ::testing::Test {
protected:
    // The lookup's one box and what it wrote: the standard-error line must
    // come only once the box has been answered.
    std::string lookup(SeenMessageBox& box, std::string& err) {
        long errBeforeAnswer = -1;
        MessageBoxAnswerer answerer("Mirobanth Runtime Alert", Answer::Ok,
                                    [&] { errBeforeAnswer = _filelength(_fileno(stderr)); });
        std::string library;
        auto output = capture([&] { library = platform.getRuntimeLibrary(); });
        box = answerer.seen();
        err = output.err;
        if (box.found) {
            EXPECT_EQ(errBeforeAnswer, 0) << "standard error written before the box";
        }
        return library;
    }
    std::string lookupWithoutBox() {
        MessageBoxAnswerer answerer("Mirobanth Runtime Alert", Answer::Ok, nullptr, 1500);
        std::string library;
        auto output = capture([&] { library = platform.getRuntimeLibrary(); });
        EXPECT_FALSE(answerer.seen().found);
        EXPECT_EQ(output.out + output.err, "");
        return library;
    }

    ConsoleSwitches switches;
    RegistryFixture registry;
    application::PlatformWindows platform;
};

// A missing key and a missing value, as the registry itself answers them;
// which step of the walk fails is the walk's own concern.
TEST_F(RuntimeLookupTest, EachFailureShowsItsOneProblemThenWritesIt) {
    struct Step {
        const char* problem;
        void (*prepare)();
    };
    const Step steps[] = {
        {"Register Key Not Found - No Java installed ?", [] {}},
        {"CurrentVersion - Failed JRE install ?", [] { RegistryFixture::createKey(JRE8); }}};
    for (const Step& step : steps) {
        step.prepare();
        SeenMessageBox box;
        std::string err;
        EXPECT_EQ(lookup(box, err), "");
        ASSERT_TRUE(box.found) << step.problem;
        EXPECT_EQ(box.text, "Installation problem:\n" + std::string(step.problem) + TAIL + TAIL);
        EXPECT_EQ(err, std::string(step.problem) + "\n");
    }
}

TEST_F(RuntimeLookupTest, ASilentConsoleStillShowsTheBox) {
    core::Console::enableSilent(true);
    SeenMessageBox box;
    std::string err;
    lookup(box, err);
    EXPECT_TRUE(box.found);
}

TEST_F(RuntimeLookupTest, RuntimeLibComesBackAsStoredWithoutABox) {
    RegistryFixture::install(JRE8, "1.8", "\"C:\\Program Files\\Java\\bin\\client\\jvm.dll\"");
    EXPECT_EQ(lookupWithoutBox(), "\"C:\\Program Files\\Java\\bin\\client\\jvm.dll\"");
}

TEST_F(RuntimeLookupTest, AValueOfSixHundredBytesIsAFailure) {
    RegistryFixture::install(JRE8, "1.8", std::string(600, 'x'));
    SeenMessageBox box;
    std::string err;
    EXPECT_EQ(lookup(box, err), "");
    EXPECT_EQ(err, "RuntimeLib - Failed JRE install ?\n");
}

}}  // namespace mirobanth::test
