// The flat C functions, in process against the stub VM and through the C host.
#include <mirobanth/application/MirobanthApplication.h>
#include <mirobanth/managed/MirobanthManaged.h>

#include <gtest/gtest.h>

#include "FailingStreams.h"
#include "ManagedTestSupport.h"
#include "OutputCapture.h"
#include "SystemFacts.h"

namespace mirobanth::test { namespace {

// What launch, exit value and delete write for a null handle, in this order.
const std::string NULL_HANDLES =
    "<ConsoleTypeC>: mbManagedLaunch - ManagedTypeC handle is NULL\n"
    "<ConsoleTypeC>: mbManagedExitValue - ManagedTypeC handle is NULL\n"
    "<ConsoleTypeC>: @mbManagedDelete - ManagedTypeC handle is NULL\n";

class ManagedFlatTest : public ::testing::Test {
protected:
    StubVMEnvironment environment;
};

TEST_F(ManagedFlatTest, NullHandlesWarnAndGiveNeutralValues) {
    int value = 0;
    CapturedOutput output = capture([&] {
        mbManagedLaunch(nullptr, "com/example/Main");
        value = mbManagedExitValue(nullptr);
        mbManagedDelete(nullptr);
    });
    EXPECT_EQ(value, -1);
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err, NULL_HANDLES);
    EXPECT_EQ(environment.record(), Lines{});
}

TEST_F(ManagedFlatTest, NoExceptionReachesTheHostEvenWhileReporting) {
    ManagedTypeC handle = nullptr;
    {
        FailingStreams failing;
        handle = mbManagedCreate("Tintavel", "Acme", 0, nullptr);
    }
    EXPECT_EQ(handle, nullptr);
}

TEST_F(ManagedFlatTest, NullTextsAreRefused) {
    ManagedTypeC handle = reinterpret_cast<ManagedTypeC>(1);
    CapturedOutput output =
        capture([&] { handle = mbManagedCreate(nullptr, "Mirobanth", 0, nullptr); });
    EXPECT_EQ(handle, nullptr);
    EXPECT_EQ(output.err, "<ConsoleTypeC>: mbManagedCreate - name is NULL\n");
    output = capture([&] { handle = mbManagedCreate("Tintavel", nullptr, 0, nullptr); });
    EXPECT_EQ(handle, nullptr);
    EXPECT_EQ(output.err, "<ConsoleTypeC>: mbManagedCreate - company is NULL\n");
}

TEST_F(ManagedFlatTest, CreateReadsSwitchesAndSetsTheCompany) {
    CommandLine arguments({"program", "-Xpolicy", "x"});
    ManagedTypeC handle = nullptr;
    CapturedOutput created = capture([&] {
        handle = mbManagedCreate("Tintavel", "Mirobanth_SDK", arguments.argc(), arguments.argv());
    });
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(created.err, "Tintavel: company: value has not changed\n");
    auto application = reinterpret_cast<ApplicationTypeC>(handle);
    EXPECT_STREQ(mbApplicationParameterName(application), "Tintavel");
    EXPECT_EQ(mbManagedExitValue(handle), 1);

    CapturedOutput launched = capture([&] { mbManagedLaunch(handle, "com/example/Main"); });
    EXPECT_EQ(mbManagedExitValue(handle), 0);
    Lines options = environment.options();
    ASSERT_EQ(options.size(), 8u);
    EXPECT_EQ(options[6], "-Djava.security.manager");
    EXPECT_EQ(linesAfter(environment.calls(), "NewObjectArray 1 java/lang/String").front(),
              "NewString 0078");

    CapturedOutput deleted = capture([&] { mbManagedDelete(handle); });
    EXPECT_EQ(deleted.out, "Tintavel: <FINALIZE>\nTintavel: <FINALIZE>\n");
}

TEST_F(ManagedFlatTest, OtherCompaniesAreSetQuietly) {
    ManagedTypeC handle = nullptr;
    CapturedOutput created =
        capture([&] { handle = mbManagedCreate("Tintavel", "Acme", 0, nullptr); });
    EXPECT_EQ(created.err, "");
    capture([&] { mbManagedDelete(handle); });
}

TEST_F(ManagedFlatTest, WideCharacterCreationIsAPlaceholder) {
    ManagedTypeC handle = nullptr;
    CapturedOutput created = capture(
        [&] { handle = mbManagedCreateWithWideCharacters(L"Tintavel", L"Acme", 0, nullptr); });
    ASSERT_NE(handle, nullptr);
    EXPECT_STREQ(mbApplicationParameterName(reinterpret_cast<ApplicationTypeC>(handle)),
                 "WaitingToBeSet");
    EXPECT_EQ(created.err, "Function not implemented: mbManagedCreateWithWideCharacters\n");
    capture([&] { mbManagedDelete(handle); });
}

TEST_F(ManagedFlatTest, NullClassNameOnlyWarns) {
    ManagedTypeC handle = nullptr;
    capture([&] { handle = mbManagedCreate("Tintavel", "Acme", 0, nullptr); });
    CapturedOutput output = capture([&] { mbManagedLaunch(handle, nullptr); });
    EXPECT_EQ(output.err, "<ConsoleTypeC>: mbManagedLaunch - class name is NULL\n");
    EXPECT_EQ(environment.record(), Lines{});
    capture([&] { mbManagedDelete(handle); });
}

class ManagedCHostTest : public ::testing::Test {
protected:
    ChildResult host(Lines arguments) {
        options.workingDirectory = binaryDirectory();
        return runChild(options, programPath("managed_c_host"), arguments);
    }
    ChildOptions options{{}, cleanLauncherEnvironment(), "", "", 60};
};

TEST_F(ManagedCHostTest, NullHandlesFromC) {
    ChildResult result = host({"null"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "exit value -1\ncreate refused\n");
    EXPECT_EQ(result.err, NULL_HANDLES + "<ConsoleTypeC>: mbManagedCreate - name is NULL\n");
}

TEST_F(ManagedCHostTest, WideCreationFromC) {
    ChildResult result = host({"wide"});
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("name WaitingToBeSet\n"), std::string::npos) << result.out;
}

TEST_F(ManagedCHostTest, SelfTestEndsInTheClassNotFoundPath) {
    options.env["MIROBANTH_JVM"] = stubVMPath();
    ChildResult result = host({"test"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(linesAfter(result.out, vmLinkedLine("mbManagedTest")),
              (Lines{"mbManagedTest: com.mirobanth.sample.SampleApp", "mbManagedTest: NO ALERT",
                     "mbManagedTest: <FINALIZE>", "mbManagedTest: <FINALIZE>"}));
    EXPECT_EQ(result.err,
              "Exception in thread \"main\" java.lang.NoClassDefFoundError: "
              "com.mirobanth.sample.SampleApp\n"
              "mbManagedTest: Class not found - com.mirobanth.sample.SampleApp\n" +
                  facts::alertTrace("mbManagedTest", "Class not found") +
                  "<ConsoleTypeC>: @mbManagedDelete - ManagedTypeC handle is NULL\n");
}

}}  // namespace mirobanth::test
