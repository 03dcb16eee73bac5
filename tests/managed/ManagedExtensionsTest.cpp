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
    void TearDown() override { destroy(managed); }

    StubVMEnvironment environment;
    std::unique_ptr<Managed> managed = make("Tintavel");
};

TEST_F(ManagedExtensionsTest, SharedInstanceIsSetClearedAndWarnedAbout) {
    Managed* found = reinterpret_cast<Managed*>(1);
    auto missing = capture([&] { found = Managed::getSharedInstance(); });
    EXPECT_EQ(found, nullptr);
    EXPECT_EQ(missing.err, "Managed#getSharedInstance: No managed code object defined\n");

    auto snaprel = make("Snaprel");
    Task first, second;
    snaprel->queueTask(&first);
    snaprel->queueTask(&second);
    Managed::setSharedInstance(snaprel.get());
    auto present = capture([&] { found = Managed::getSharedInstance(); });
    EXPECT_EQ(found, snaprel.get());
    EXPECT_EQ(present.err, "");
    EXPECT_EQ(Managed::getSharedMetaData().count("Snaprel"), 1u);
    ASSERT_EQ(snaprel->getTaskQueue().size(), 1u);
    EXPECT_EQ(snaprel->getTaskQueue().front(), &second);

    // Destroying the shared object leaves no dangling pointer behind.
    destroy(snaprel);
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
    managed->addExtension("x");
    managed->addExtension("x");
    managed->addExtension("Substance");
    auto output = capture([&] { managed->processExtensionFolder(); });
    EXPECT_EQ(output.out, "Tintavel: Processing JAR files in ext/\n");
    std::map<std::string, std::string> expected = {{"Substance", "Substance"}, {"x", "x"}};
    EXPECT_EQ(managed->getExtensions(), expected);
}

TEST_F(ManagedExtensionsTest, ExtensionFolderAddsSubstance) {
    capture([&] { managed->processExtensionFolder(); });
    std::map<std::string, std::string> expected = {{"Substance", "ext/substance.jar"}};
    EXPECT_EQ(managed->getExtensions(), expected);
}

TEST_F(ManagedExtensionsTest, RemovingAnExtensionIsNotAvailable) {
    managed->addExtension("x");
    auto output = capture([&] { managed->removeExtension("x"); });
    EXPECT_EQ(output.err, "Function not implemented: removeExtension\nx\n");
    EXPECT_EQ(managed->getExtensions().count("x"), 1u);
}

TEST_F(ManagedExtensionsTest, JavaVersionIsUnknown) {
    EXPECT_EQ(managed->checkJavaVersion(), "Unknown");
}

TEST_F(ManagedExtensionsTest, UpdateCheckWithoutAVirtualMachine) {
    auto output = capture([&] { managed->checkForUpdates(nullptr); });
    EXPECT_EQ(output.out, "Tintavel: Checking for updates\n");
    EXPECT_EQ(output.err, "JNI not initialized.\n");
}

}}  // namespace mirobanth::test
