#include <mirobanth/application/MirobanthApplication.h>

#include "ApplicationFixture.h"
#include "FailingStreams.h"

namespace mirobanth::test { namespace {

using ApplicationFlatTest = ApplicationTest;

TEST_F(ApplicationFlatTest, CreationFormsAndQueries) {
    ApplicationTypeC plain = nullptr, acme = nullptr;
    auto created = capture([&] {
        plain = mbApplicationCreateWithName("Tintavel");
        acme = mbApplicationCreateWithNameAndCompany("Acme", "Acme Corp");
    });
    EXPECT_EQ(created.err, "");
    auto* application = reinterpret_cast<Application*>(plain);
    EXPECT_EQ(application->getCompany(), "Mirobanth_SDK");
    EXPECT_EQ(reinterpret_cast<Application*>(acme)->getCompany(), "Acme Corp");
    EXPECT_STREQ(mbApplicationParameterName(plain), "Tintavel");
    EXPECT_STREQ(mbApplicationParameterVersion(plain), "0.0");
    EXPECT_EQ(mbApplicationExitValue(plain), 1);

    auto deleted = capture([&] {
        mbApplicationDelete(plain);
        mbApplicationDelete(acme);
    });
    EXPECT_EQ(deleted.out, "Tintavel: <FINALIZE>\nAcme: <FINALIZE>\n");
}

// Creation writes, and so does the report of its failure: with streams that
// throw, neither exception may reach the C host.
TEST_F(ApplicationFlatTest, NoExceptionReachesTheHostEvenWhileReporting) {
    ApplicationTypeC handle = nullptr;
    {
        FailingStreams failing;
        handle = mbApplicationCreateWithName("Tintavel");
    }
    EXPECT_EQ(handle, nullptr);
}

TEST_F(ApplicationFlatTest, DataStaysReadableUntilTheNextCallForTheHandle) {
    ApplicationTypeC first = nullptr, second = nullptr;
    capture([&] {
        first = mbApplicationCreateWithName("First");
        second = mbApplicationCreateWithName("Second");
    });
    const char* a = nullptr;
    auto output = capture([&] {
        a = mbApplicationData(first, "");
        mbApplicationData(second, "other");
    });
    EXPECT_STREQ(a, "undefined");
    EXPECT_EQ(output.err, "First: ERROR\n");
    capture([&] {
        mbApplicationDelete(first);
        mbApplicationDelete(second);
    });
}

TEST_F(ApplicationFlatTest, WideCreationUsesThePlaceholderName) {
    ApplicationTypeC handle = nullptr;
    auto output = capture(
        [&] { handle = mbApplicationCreateWithWideCharacters(L"Tintavel", L"Acme", 0, nullptr); });
    EXPECT_EQ(withoutSplash(output.out, "WaitingToBeSet"),
              "WaitingToBeSet: PATH=" + extendedPath() + "\nWaitingToBeSet: No delegate used\n");
    EXPECT_EQ(output.err, "Function not implemented: mbApplicationCreateWithWideCharacters\n");
    EXPECT_STREQ(mbApplicationParameterName(handle), "WaitingToBeSet");
    EXPECT_EQ(reinterpret_cast<Application*>(handle)->getCompany(), "WaitingToBeSet");
    auto updates = capture([&] { mbApplicationCheckForUpdates(handle, nullptr); });
    EXPECT_EQ(updates.err, "Function not implemented: mbApplicationCheckForUpdates\n");
    capture([&] { mbApplicationDelete(handle); });
}

// The host inherits the fixture's environment.
class ApplicationCHostTest : public ApplicationTest {
protected:
    ChildResult runHost(const std::string& mode) {
        return runChild({programPath("application_c_host"), mode});
    }
};

TEST_F(ApplicationCHostTest, SelfTestPrintsTheConstructionThenTheNullWarning) {
    auto result = runHost("test");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(withoutSplash(result.out, "mbApplicationTest"),
              "mbApplicationTest: Argument 0 = test\n"
              "mbApplicationTest: PATH=" +
                  extendedPath() +
                  "\nmbApplicationTest: No delegate used\n"
                  "mbApplicationTest: <FINALIZE>\n");
    EXPECT_EQ(result.err,
              "<ConsoleTypeC>: @mbApplicationDelete - ApplicationTypeC handle is NULL\n");
}

TEST_F(ApplicationCHostTest, NullHandlesWarnAndAnswerNeutrally) {
    auto result = runHost("nulls");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "data=[]\nname=[]\nversion=[]\nexit=-1\ncreated=1\n");
    EXPECT_EQ(result.err,
              "<ConsoleTypeC>: mbApplicationData - ApplicationTypeC handle is NULL\n"
              "<ConsoleTypeC>: mbApplicationParameterName - ApplicationTypeC handle is NULL\n"
              "<ConsoleTypeC>: mbApplicationParameterVersion - ApplicationTypeC handle is NULL\n"
              "<ConsoleTypeC>: mbApplicationExitValue - ApplicationTypeC handle is NULL\n"
              "<ConsoleTypeC>: mbApplicationNotImplemented - ApplicationTypeC handle is NULL\n"
              "<ConsoleTypeC>: mbApplicationCheckForUpdates - ApplicationTypeC handle is NULL\n"
              "<ConsoleTypeC>: @mbApplicationDelete - ApplicationTypeC handle is NULL\n"
              "<ConsoleTypeC>: mbApplicationCreate - name is NULL\n");
}

}}  // namespace mirobanth::test
