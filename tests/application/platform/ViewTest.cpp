#include <mirobanth/application/platform/View.h>

#include <gtest/gtest.h>

#include "ConsoleSwitches.h"
#include "OutputCapture.h"

namespace mirobanth::test { namespace {

using application::Application;
using application::View;

class ViewTest : public ::testing::Test {
protected:
    ConsoleSwitches restoreSwitches;
    int window = 0;
    void* handle = &window;
};

TEST_F(ViewTest, BrowseWarnsAboutAnEmptyAddressThenReportsItselfMissing) {
    auto empty = capture([] { View::browse(""); });
    EXPECT_EQ(empty.err, "URL_SIZE_0\nFunction not implemented\n");
    EXPECT_EQ(empty.out, "");

    auto address = capture([] { View::browse("https://www.example.com/"); });
    EXPECT_EQ(address.err, "Function not implemented\n");
}

TEST_F(ViewTest, EmbeddingWarnsOnlyWithoutAWindowAndGivesNothing) {
    Application* embedded[4] = {};
    auto withoutWindow = capture([&] {
        embedded[0] = View::asApplication("Tintavel", nullptr);
        embedded[1] = View::asApplication("Tintavel", nullptr, false);
        embedded[2] = View::asApplication("Tintavel", nullptr, 640, 480);
        embedded[3] = View::asApplication("Tintavel", nullptr, 640, 480, false);
    });
    EXPECT_EQ(withoutWindow.err,
              "JAWT_HANDLE_NULL\nJAWT_HANDLE_NULL\n"
              "JAWT_HANDLE_NULL\nJAWT_HANDLE_NULL\n");
    for (Application* application : embedded) EXPECT_EQ(application, nullptr);

    auto inWindow = capture([&] {
        embedded[0] = View::asApplication("Tintavel", handle);
        embedded[1] = View::asApplication("Tintavel", handle, true);
        embedded[2] = View::asApplication("Tintavel", handle, 0, -1);
        embedded[3] = View::asApplication("Tintavel", handle, 1024, 768, true);
    });
    EXPECT_EQ(inWindow.out, "");
    EXPECT_EQ(inWindow.err, "");
    for (Application* application : embedded) EXPECT_EQ(application, nullptr);
}

}}  // namespace mirobanth::test
