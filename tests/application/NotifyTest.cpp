#include <mirobanth/application/Notify.h>

#include "ApplicationFixture.h"

namespace mirobanth::test { namespace {

using application::Notify;

class NotifyTest : public ::testing::Test {
protected:
    ConsoleSwitches restoreSwitches;
    Notify notify;
};

TEST_F(NotifyTest, FreshRecordHoldsTheNeutralValuesAndEndsQuietly) {
    EXPECT_EQ(notify.getName(), "Notify");
    EXPECT_EQ(notify.getMessage(), L"Undefined");
    EXPECT_EQ(notify.getLink(), "Undefined");
    EXPECT_EQ(notify.getLevel(), 0);
    EXPECT_FALSE(notify.getFlag());

    auto output = capture([] { delete new Notify(); });
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err, "");
}

TEST_F(NotifyTest, PrintWritesTheMessageAsUtf8EvenWhenSilent) {
    // e acute, the euro sign and an emoji outside the 16-bit range, which
    // Windows keeps as a surrogate pair.
    notify.setMessage(L"Caf\u00E9 \u20AC5 \U0001F600");
    core::Console::enableSilent(true);
    auto output = capture([&] { notify.print(); });
    EXPECT_EQ(output.out,
              "Caf\xC3\xA9 \xE2\x82\xAC"
              "5 \xF0\x9F\x98\x80\n");
}

TEST_F(NotifyTest, PrintReplacesWhatIsNotACharacter) {
    std::wstring loneSurrogates;
    loneSurrogates += static_cast<wchar_t>(0xD800);
    loneSurrogates += L'x';
    loneSurrogates += static_cast<wchar_t>(0xDC00);
    notify.setMessage(loneSurrogates);
    auto output = capture([&] { notify.print(); });
    EXPECT_EQ(output.out, "\xEF\xBF\xBDx\xEF\xBF\xBD\n");
}

TEST_F(NotifyTest, AnnouncementsAreTaggedWithTheCurrentName) {
    notify.setName("Updater");
    auto output = capture([&] {
        notify.announceChecking();
        notify.announceCancel();
    });
    EXPECT_EQ(output.out, "Updater: Checking for new updates\nUpdater: CANCEL\n");
    EXPECT_EQ(output.err, "");
}

using AnnounceTest = TintavelApplicationTest;

TEST_F(AnnounceTest, TheApplicationIgnoresTheNotificationByName) {
    Notify notify;
    auto fresh = capture([&] { application->announce(&notify); });
    EXPECT_EQ(fresh.out, "Tintavel: Ignored: Notify\n");

    notify.setName("Updater");
    auto renamed = capture([&] { application->announce(&notify); });
    EXPECT_EQ(renamed.out, "Tintavel: Ignored: Updater\n");
    EXPECT_EQ(renamed.err, "");
}

}}  // namespace mirobanth::test
