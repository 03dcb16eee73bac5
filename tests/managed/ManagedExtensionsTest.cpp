// The shared instance, extensions, tasks and the update probe without a VM.
#include <mirobanth/managed/Managed.h>

#include <gtest/gtest.h>

#include <memory>

#include "ManagedTestSupport.h"
#include "OutputCapture.h"

namespace mirobanth::managed {
// Tasks are opaque to the launcher; a test only needs distinct addresses.
class Task {};
}  // namespace mirobanth::managed

namespace mirobanth::test { namespace {

using managed::Managed;
using managed::Task;

class ManagedExtensionsTest : public ::testing::Test {
protected:
    std::unique_ptr<Managed> make(const std::string& name) {
        std::unique_ptr<Managed> managed;
        capture([&] { managed = std::make_unique<Managed>(name, 0, nullptr); });
        return managed;
    }
    void destroy(std::unique_ptr<Managed>& managed) {
        capture([&] { managed.reset(); });
    }

    StubVMEnvironment environment;
};

TEST_F(ManagedExtensionsTest, SharedInstanceIsSetClearedAndWarnedAbout) {
    Managed* found = reinterpret_cast<Managed*>(1);
    auto missing = capture([&] { found = Managed::getSharedInstance(); });
    EXPECT_EQ(found, nullptr);
    EXPECT_EQ(missing.err, "Managed#getSharedInstance: No managed code object defined\n");

    auto managed = make("Snaprel");
    Task first, second;
    managed->queueTask(&first);
    managed->queueTask(&second);
    Managed::setSharedInstance(managed.get());
    auto present = capture([&] { found = Managed::getSharedInstance(); });
    EXPECT_EQ(found, managed.get());
    EXPECT_EQ(present.err, "");
    EXPECT_EQ(Managed::getSharedMetaData().count("Snaprel"), 1u);
    ASSERT_EQ(managed->getTaskQueue().size(), 1u);
    EXPECT_EQ(managed->getTaskQueue().front(), &second);

    // Destroying the shared object leaves no dangling pointer behind.
    destroy(managed);
    auto cleared = capture([&] { found = Managed::getSharedInstance(); });
    EXPECT_EQ(found, nullptr);
    EXPECT_EQ(cleared.err, "Managed#getSharedInstance: No managed code object defined\n");
}

TEST_F(ManagedExtensionsTest, DestroyingAnotherObjectKeepsTheSharedOne) {
    auto shared = make("Snaprel");
    auto other = make("Warmlet");
    Managed::setSharedInstance(shared.get());
    destroy(other);
    EXPECT_EQ(Managed::getSharedInstance(), shared.get());
    destroy(shared);
}

TEST_F(ManagedExtensionsTest, ExtensionsKeepTheirFirstValue) {
    auto managed = make("Tintavel");
    managed->addExtension("x");
    managed->addExtension("x");
    managed->addExtension("Substance");
    auto output = capture([&] { managed->processExtensionFolder(); });
    EXPECT_EQ(output.out, "Tintavel: Processing JAR files in ext/\n");
    std::map<std::string, std::string> expected = {{"Substance", "Substance"}, {"x", "x"}};
    EXPECT_EQ(managed->getExtensions(), expected);
    destroy(managed);
}

TEST_F(ManagedExtensionsTest, ExtensionFolderAddsSubstance) {
    auto managed = make("Tintavel");
    capture([&] { managed->processExtensionFolder(); });
    std::map<std::string, std::string> expected = {{"Substance", "ext/substance.jar"}};
    EXPECT_EQ(managed->getExtensions(), expected);
    destroy(managed);
}

TEST_F(ManagedExtensionsTest, RemovingAnExtensionIsNotAvailable) {
    auto managed = make("Tintavel");
    managed->addExtension("x");
    auto output = capture([&] { managed->removeExtension("x"); });
    EXPECT_EQ(output.err, "Function not implemented: removeExtension\nx\n");
    EXPECT_EQ(managed->getExtensions().count("x"), 1u);
    destroy(managed);
}

TEST_F(ManagedExtensionsTest, JavaVersionIsUnknown) {
    auto managed = make("Tintavel");
    EXPECT_EQ(managed->checkJavaVersion(), "Unknown");
    destroy(managed);
}

TEST_F(ManagedExtensionsTest, UpdateCheckWithoutAVirtualMachine) {
    auto managed = make("Tintavel");
    auto output = capture([&] { managed->checkForUpdates(nullptr); });
    EXPECT_EQ(output.out, "Tintavel: Checking for updates\n");
    EXPECT_EQ(output.err, "JNI not initialized.\n");
    destroy(managed);
}

}}  // namespace mirobanth::test
