// Where a loaded library or program lies, and product files named in it.
#include <mirobanth/core/Console.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "ChildProcess.h"
#include "OperatingSystem.h"

namespace mirobanth::test { namespace {

const char insideTheTestProgram = 0;

// The build puts the libraries beside the test programs.
TEST(ModuleFolderTest, FindsTheFolderOfTheProgramAndOfALibrary) {
    const std::string expected = binaryDirectory();
    EXPECT_TRUE(std::filesystem::equivalent(os::moduleFolder(&insideTheTestProgram), expected));
    EXPECT_TRUE(
        std::filesystem::equivalent(os::moduleFolder(core::Console().getVersion()), expected));
    EXPECT_EQ(os::moduleFolder(nullptr), "");
}

TEST(ModuleFolderTest, DotIsTheFolderAndOtherEntriesLieInsideIt) {
    EXPECT_EQ(os::inFolder("/opt/my app", ".", "/"), "/opt/my app");
    EXPECT_EQ(os::inFolder("/opt/my app", "system/", "/"), "/opt/my app/system/");
    EXPECT_EQ(os::inFolder("C:\\Tintavel", "ext/substance.jar", "\\"),
              "C:\\Tintavel\\ext/substance.jar");
    EXPECT_EQ(os::inFolder("", "system/", "/"), "system/");
}

// "C:x" is read against the drive's working folder, "\x" against the working drive.
TEST(ModuleFolderTest, AbsolutePathsOfEachSystem) {
    using os::System;
    for (const char* path :
         {"C:\\j", "c:/j", "\\\\server\\s", "//server/s", "\\\\?\\C:\\j", "\\\\.\\C:\\j"})
        EXPECT_TRUE(os::isAbsolutePath(path, System::Windows)) << path;
    for (const char* path : {"C:j", "\\j", "j", ""})
        EXPECT_FALSE(os::isAbsolutePath(path, System::Windows)) << path;
    EXPECT_FALSE(os::isAbsolutePath("C:\\j", System::Linux));
}

}}  // namespace mirobanth::test
