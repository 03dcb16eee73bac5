// The two launchers are the kinds of Windows program their names promise:
// the console one gets a console, the graphical one none.
#include <gtest/gtest.h>

#include <cstdint>

#include "ChildProcess.h"
#include "TextLines.h"

namespace mirobanth::test { namespace {

constexpr int CONSOLE_SUBSYSTEM = 3;
constexpr int GUI_SUBSYSTEM = 2;

uint32_t littleEndian(const std::string& bytes, size_t at, size_t size) {
    uint32_t value = 0;
    for (size_t i = 0; i < size; ++i)
        value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes.at(at + i))) << (8 * i);
    return value;
}

// The Subsystem field of the PE optional header: 68 bytes into it, after the
// "PE\0\0" signature and the 20-byte file header, in 32- and 64-bit images alike.
int subsystemOf(const std::string& program) {
    const std::string bytes = fileText(programPath(program));
    uint32_t pe = littleEndian(bytes, 0x3C, 4);
    if (bytes.compare(pe, 4, std::string("PE\0\0", 4)) != 0) return -1;
    return static_cast<int>(littleEndian(bytes, pe + 4 + 20 + 68, 2));
}

TEST(ExecutableSubsystemTest, ConsoleLauncherIsAConsoleProgram) {
    EXPECT_EQ(subsystemOf("Tintavel64-Console"), CONSOLE_SUBSYSTEM);
}

TEST(ExecutableSubsystemTest, GraphicalLauncherIsAGuiProgram) {
    EXPECT_EQ(subsystemOf("Tintavel64"), GUI_SUBSYSTEM);
}

}}  // namespace mirobanth::test
