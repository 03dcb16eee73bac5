#include <mirobanth/core/Console.h>

#include <gtest/gtest.h>

#include <vector>

#include "ConsoleSwitches.h"
#include "OutputCapture.h"
#include "platform/UiComponent.h"

namespace mirobanth::test { namespace {

// A position as dump prints it: upper-case hexadecimal padded to the width
// of a pointer (16 digits in a 64-bit build, 8 in a 32-bit one).
std::string position(char digit) { return std::string(2 * sizeof(void*) - 1, '0') + digit; }

std::string componentLine(const std::string& indentation, char digit, const std::string& name) {
    return indentation + "Component at position " + position(digit) + " is " + name + "\n";
}

std::string header(const std::string& indentation, int elements) {
    return indentation + "Dumping UI Model\n" + indentation +
           "Total Elements: " + std::to_string(elements) + "\n";
}

TEST(UiComponentTest, ChildrenAreDumpedAfterTheirOwnLineOneTabDeeper) {
    application::UiComponent root, a("a"), b("b");
    root.add(&a);
    root.add(&b);
    auto output = capture([&] { root.dump(0); });
    EXPECT_EQ(output.out, header("", 2) + componentLine("", '0', "a") + header("\t", 0) +
                              componentLine("", '1', "b") + header("\t", 0));
    EXPECT_EQ(output.err, "");
}

TEST(UiComponentTest, IndentationStopsAtTwoTabs) {
    application::UiComponent leaf;
    auto deep = capture([&] { leaf.dump(5); });
    EXPECT_EQ(deep.out, header("\t\t", 0));

    application::UiComponent top("top"), middle("middle"), bottom("bottom");
    top.add(&middle);
    middle.add(&bottom);
    auto chain = capture([&] { top.dump(1); });
    EXPECT_EQ(chain.out, header("\t", 1) + componentLine("\t", '0', "middle") + header("\t\t", 1) +
                             componentLine("\t\t", '0', "bottom") + header("\t\t", 0));
}

TEST(UiComponentTest, PositionsArePrintedInHexadecimal) {
    application::UiComponent root;
    std::vector<application::UiComponent> children(11);
    for (auto& child : children) root.add(&child);
    auto output = capture([&] { root.dump(3); });
    const std::string tenth = componentLine("\t\t", 'A', "anonymous");
    EXPECT_NE(output.out.find(tenth), std::string::npos) << output.out;
    EXPECT_EQ(output.out.find("position 10 "), std::string::npos);
}

TEST(UiComponentTest, TheDumpIgnoresTheSilentSwitch) {
    ConsoleSwitches restoreSwitches;
    core::Console::enableSilent(true);
    application::UiComponent root;
    auto output = capture([&] { root.dump(0); });
    EXPECT_EQ(output.out, header("", 0));
}

}}  // namespace mirobanth::test
