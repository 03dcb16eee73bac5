#include <mirobanth/core/Console.h>

#include <gtest/gtest.h>

#include "ConsoleSwitches.h"
#include "OutputCapture.h"
#include "platform/PropertyTable.h"

namespace mirobanth::test { namespace {

class PropertyTableTest : public ::testing::Test {
protected:
    ConsoleSwitches restoreSwitches;
    application::PropertyTable table;
};

TEST_F(PropertyTableTest, ListShowsValueThenKeyInKeyOrder) {
    table.set("test", "verdi");
    EXPECT_TRUE(table.contains("test"));
    auto one = capture([&] { table.list(); });
    EXPECT_EQ(one.out, "-- list --\nSize: 1\nverdi test\n");

    table.set("b", "2");
    table.set("a", "1");
    table.set("a", "3");
    auto three = capture([&] { table.list(); });
    EXPECT_EQ(three.out, "-- list --\nSize: 3\n3 a\n2 b\nverdi test\n");
}

TEST_F(PropertyTableTest, RemovingLeavesAnEmptyList) {
    table.set("test", "verdi");
    table.remove("test");
    table.remove("never there");
    EXPECT_FALSE(table.contains("test"));
    auto output = capture([&] { table.list(); });
    EXPECT_EQ(output.out, "-- list --\nSize: 0\n");
}

TEST_F(PropertyTableTest, OnlyTheHeadingFollowsTheSilentSwitch) {
    table.set("test", "verdi");
    core::Console::enableSilent(true);
    auto output = capture([&] { table.list(); });
    EXPECT_EQ(output.out, "Size: 1\nverdi test\n");
}

TEST_F(PropertyTableTest, SelfCheckFillsListsAndEmptiesItsTable) {
    application::PropertyTable checked;
    auto output = capture([&] { checked = application::PropertyTable::checkTable(); });
    EXPECT_EQ(output.out,
              "OK\n"
              "-- list --\nSize: 1\nverdi test\n"
              "-- list --\nSize: 0\n");
    EXPECT_FALSE(checked.contains("test"));
}

}}  // namespace mirobanth::test
