// The flat C functions of the application library. Every handle is checked
// before use and no C++ exception leaves a function.
#include <mirobanth/application/Application.h>
#include <mirobanth/application/MirobanthApplication.h>
#include <mirobanth/core/Console.h>
#include <mirobanth/core/MirobanthCore.h>

#include <map>
#include <mutex>
#include <string>

#include "FlatGuard.h"

using mirobanth::application::Application;
using mirobanth::core::guarded;

namespace {

Application* applicationOf(ApplicationTypeC handle) {
    return reinterpret_cast<Application*>(handle);
}

ApplicationTypeC handleOf(Application* application) {
    return reinterpret_cast<ApplicationTypeC>(application);
}

bool isNull(ApplicationTypeC handle, const char* function) {
    return mbIsNull(handle, (std::string(function) + " - ApplicationTypeC handle is NULL").c_str());
}

// The last answer of mbApplicationData per handle, kept so that the text a
// host received stays readable until it asks again or deletes the handle.
class DataAnswers {
public:
    const char* keep(ApplicationTypeC handle, std::string text) {
        std::lock_guard<std::mutex> lock(mutex);
        return (answers[handle] = std::move(text)).c_str();
    }
    void forget(ApplicationTypeC handle) {
        std::lock_guard<std::mutex> lock(mutex);
        answers.erase(handle);
    }

private:
    std::mutex mutex;
    std::map<ApplicationTypeC, std::string> answers;
};

DataAnswers& dataAnswers() {
    static DataAnswers answers;
    return answers;
}

ApplicationTypeC create(const char* name, int argc, char** argv) {
    Application* application = nullptr;
    guarded("mbApplicationCreate", [&] { application = new Application(name, argc, argv); });
    return handleOf(application);
}

}  // namespace

extern "C" {

ApplicationTypeC mbApplicationCreate(const char* name, const char* company, int argc, char** argv) {
    if (mbIsNull(name, "mbApplicationCreate - name is NULL")) return nullptr;
    ApplicationTypeC handle = create(name, argc, argv);
    if (handle && company) {
        guarded("mbApplicationCreate", [&] { applicationOf(handle)->setCompany(company); });
    }
    return handle;
}

ApplicationTypeC mbApplicationCreateWithName(const char* name) {
    return mbApplicationCreate(name, nullptr, 0, nullptr);
}

ApplicationTypeC mbApplicationCreateWithNameAndCompany(const char* name, const char* company) {
    return mbApplicationCreate(name, company, 0, nullptr);
}

ApplicationTypeC mbApplicationCreateWithWideCharacters(const wchar_t*, const wchar_t* company,
                                                       int argc, char** argv) {
    ApplicationTypeC handle = create("WaitingToBeSet", argc, argv);
    if (!handle) return nullptr;
    if (company) {
        guarded("mbApplicationCreateWithWideCharacters",
                [&] { applicationOf(handle)->setCompany("WaitingToBeSet"); });
    }
    mbApplicationNotImplemented(handle, "mbApplicationCreateWithWideCharacters");
    return handle;
}

void mbApplicationCheckForUpdates(ApplicationTypeC application, void*) {
    if (isNull(application, "mbApplicationCheckForUpdates")) return;
    mbApplicationNotImplemented(application, "mbApplicationCheckForUpdates");
}

const char* mbApplicationData(ApplicationTypeC application, const char* key) {
    if (isNull(application, "mbApplicationData")) return "";
    const char* answer = "";
    guarded("mbApplicationData", [&] {
        answer = dataAnswers().keep(application,
                                    applicationOf(application)->getApplicationData(key ? key : ""));
    });
    return answer;
}

const char* mbApplicationParameterName(ApplicationTypeC application) {
    if (isNull(application, "mbApplicationParameterName")) return "";
    return applicationOf(application)->getApplicationName().c_str();
}

const char* mbApplicationParameterVersion(ApplicationTypeC application) {
    if (isNull(application, "mbApplicationParameterVersion")) return "";
    return applicationOf(application)->getVersion().c_str();
}

void mbApplicationNotImplemented(ApplicationTypeC application, const char* name) {
    if (isNull(application, "mbApplicationNotImplemented")) return;
    applicationOf(application)->notImplemented(name ? name : "");
}

int mbApplicationExitValue(ApplicationTypeC application) {
    if (isNull(application, "mbApplicationExitValue")) return -1;
    return applicationOf(application)->getExitValue();
}

void mbApplicationDelete(ApplicationTypeC application) {
    if (mbIsNull(application, "@mbApplicationDelete - ApplicationTypeC handle is NULL")) return;
    guarded("mbApplicationDelete", [&] {
        dataAnswers().forget(application);
        delete applicationOf(application);
    });
}

void mbApplicationTest(void) {
    char test[] = "test";
    char* argv[] = {test, nullptr};
    ApplicationTypeC application = mbApplicationCreate("mbApplicationTest", "Mirobanth", 1, argv);
    mbApplicationExitValue(application);
    mbApplicationDelete(application);
    mbApplicationDelete(nullptr);
}

}  // extern "C"
