#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "ChildProcess.h"
#include "ManagedTestSupport.h"
#include "SharedLibrary.h"

namespace mirobanth::test { namespace {

// The path the library at path was loaded from, or why it could not be.
std::string failureOf(const std::string& path) {
    try {
        return os::SharedLibrary(path).path();
    } catch (const os::LibraryError& error) {
        return error.what();
    }
}

TEST(SharedLibraryTest, LooksUpATypedFunction) {
    os::SharedLibrary library(noEntryLibraryPath());
    auto answer = library.function<int (*)()>("mirobanthNoVirtualMachineHere");
    EXPECT_EQ(answer(), 42);
    EXPECT_EQ(library.path(), noEntryLibraryPath());
}

TEST(SharedLibraryTest, AMissingFunctionNamesTheSymbolAndThePath) {
    os::SharedLibrary library(noEntryLibraryPath());
    try {
        library.function<void (*)()>("JNI_CreateJavaVM");
        FAIL() << "the lookup should fail";
    } catch (const os::LibraryError& error) {
        std::string text = error.what();
        EXPECT_EQ(text.rfind("JNI_CreateJavaVM not found in " + noEntryLibraryPath(), 0), 0u)
            << text;
    }
}

TEST(SharedLibraryTest, RefusesAnEmptyPathInsteadOfLoadingTheProgramItself) {
    EXPECT_EQ(failureOf(""), "Cannot load a library from an empty path");
}

TEST(SharedLibraryTest, FailuresNameTheFullPath) {
    TemporaryFolder folder;
    std::string text = folder.write("libjvm.so", "not a library\n");
    EXPECT_EQ(failureOf(text).rfind("Cannot load " + text + ": ", 0), 0u) << failureOf(text);
    std::string missing = folder.path() + "/missing.so";
    EXPECT_EQ(failureOf(missing).rfind("Cannot load " + missing + ": ", 0), 0u);
}

// A bare name would send the system searching its library path; the
// library is looked for in the current folder only.
TEST(SharedLibraryTest, ARelativePathIsResolvedAgainstTheCurrentFolder) {
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(binaryDirectory().c_str()), 0);
    std::string fileName = MIROBANTH_NOENTRY_FILE;
    std::string loadedFrom = failureOf(fileName);
    std::string missing = failureOf("libc.so.6");
    ASSERT_EQ(chdir(previous), 0);
    auto inBinaryDirectory = [](const std::string& name) {
        return (std::filesystem::u8path(binaryDirectory()) / name).u8string();
    };
    EXPECT_EQ(loadedFrom, inBinaryDirectory(fileName));
    EXPECT_EQ(missing.rfind("Cannot load " + inBinaryDirectory("libc.so.6") + ": ", 0), 0u)
        << missing;
}

TEST(SharedLibraryTest, MovingHandsTheLibraryOver) {
    os::SharedLibrary first(noEntryLibraryPath());
    os::SharedLibrary second = std::move(first);
    EXPECT_EQ(second.function<int (*)()>("mirobanthNoVirtualMachineHere")(), 42);
    EXPECT_THROW(first.function<int (*)()>("mirobanthNoVirtualMachineHere"), os::LibraryError);
}

}}  // namespace mirobanth::test
