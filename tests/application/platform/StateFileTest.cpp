#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "../ApplicationFixture.h"
#include "platform/State.h"

namespace mirobanth::test { namespace {

namespace fs = std::filesystem;

// The readers name their files relative to the current folder, so each test
// works in "<temporary>/work", with "../" being the temporary folder itself.
class WorkingFolder {
public:
    explicit WorkingFolder(const TemporaryFolder& root) : previous(fs::current_path()) {
        fs::create_directories(fs::path(root.path()) / "work");
        fs::current_path(fs::path(root.path()) / "work");
    }
    ~WorkingFolder() { fs::current_path(previous); }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

private:
    fs::path previous;
};

// Each test in a working folder of its own, in the application fixture's environment.
class StateFileTest : public ApplicationTest {
protected:
    TemporaryFolder root;
    WorkingFolder working{root};
};

TEST_F(StateFileTest, ListsTheKeyOfEveryEntryLine) {
    root.write("brask.state", "a=1\n\n=x\nplain\npath=/usr=bin\n");
    auto output = capture([] { application::listStateKeys(); });
    EXPECT_EQ(output.out, "a\nplain\npath\n");
    EXPECT_EQ(output.err, "");
}

TEST_F(StateFileTest, AMissingSharedFileIsReportedOnce) {
    auto output = capture([] { application::listStateKeys(); });
    EXPECT_EQ(output.out, "file not found\n");
    EXPECT_EQ(output.err, "");
}

TEST_F(StateFileTest, TheApplicationsPathIsLowerCasedAndAnnounced) {
    std::string path;
    auto output = capture([&] { path = application::stateFilePath("TinTavel"); });
    EXPECT_EQ(path, "..\\tintavel.state");
    EXPECT_EQ(output.out, "..\\tintavel.state\n");
}

TEST_F(StateFileTest, StateAnnouncesItselfAndItsPair) {
    auto plain = capture([] { application::State state; });
    EXPECT_EQ(plain.out, "<STATE>\n");
    auto pair = capture([] { application::State state("mode", "dark"); });
    EXPECT_EQ(pair.out, "<STATE>\nmode dark\n");
}

TEST_F(StateFileTest, KeysAndEntries) {
    EXPECT_EQ(application::makeKey("window"), "@window");
    EXPECT_EQ(application::makeEntry("k", "v"), "Unknown:k=v");
    auto output = capture([] { application::storeEntry("k", "v"); });
    EXPECT_EQ(output.err, "Function not implemented\n");
}

TEST_F(StateFileTest, StreamsThatDidNotOpenAreReportedOnTheirOwnStreams) {
    std::ifstream missingInput("absent.state");
    std::ofstream unopenedOutput;
    auto output = capture([&] {
        application::readPairs(missingInput);
        application::writeTest(unopenedOutput);
    });
    EXPECT_EQ(output.err, "File not found\n");
    EXPECT_EQ(output.out, "File not found\n");
}

TEST_F(StateFileTest, OpenStreamsAreUsedAndClosed) {
    std::ofstream out("written.state");
    std::ifstream pairs(root.write("pairs.state", "key\nvalue\nlonely\n"));
    std::ifstream words(root.write("words.state", "one two\n three\n"));
    auto output = capture([&] {
        application::writeTest(out);
        application::readPairs(pairs);
        application::checkStream(words);
        application::printWords(words);
    });
    EXPECT_EQ(output.out, "one\ntwo\nthree\n");
    EXPECT_EQ(output.err, "");
    EXPECT_FALSE(out.is_open());
    EXPECT_FALSE(pairs.is_open());
    EXPECT_FALSE(words.is_open());
    std::ifstream written("written.state");  // text: "\r\n" is "\n"
    std::stringstream content;
    content << written.rdbuf();
    EXPECT_EQ(content.str(), "test\n");
}

class ApplicationStateTest : public StateFileTest {
protected:
    ApplicationStateTest() {
        capture(
            [&] { application = std::make_unique<Application>("Demo", line.argc(), line.argv()); });
    }
    ~ApplicationStateTest() override {
        capture([&] { application.reset(); });
    }
    const void* load() const { return application::loadApplicationState(application.get()); }
    CommandLine line{{"Demo"}};
    std::unique_ptr<Application> application;
};

TEST_F(ApplicationStateTest, EveryWordOfTheStateFileIsAnnounced) {
    // The same text names the file for the reader and for the writer here.
    std::ofstream("..\\demo.state") << "window=max  mode=dark\n\n  last\n";
    const void* loaded = this;
    auto output = capture([&] { loaded = load(); });
    EXPECT_EQ(loaded, nullptr);
    EXPECT_EQ(output.out, "..\\demo.state\n-window=max\n-mode=dark\n-last\n");
    EXPECT_EQ(output.err, "");
}

TEST_F(ApplicationStateTest, AMissingStateFileIsAnnouncedAfterItsPath) {
    const void* loaded = this;
    auto output = capture([&] { loaded = load(); });
    EXPECT_EQ(loaded, nullptr);
    EXPECT_EQ(output.out, "..\\demo.state\nFile not found - ..\\demo.state\n");
}

}}  // namespace mirobanth::test
