// The flat C functions of the managed library. Every handle is checked
// before use and no C++ exception leaves a function.
#include <mirobanth/application/MirobanthApplication.h>
#include <mirobanth/core/Console.h>
#include <mirobanth/core/MirobanthCore.h>
#include <mirobanth/managed/Managed.h>
#include <mirobanth/managed/MirobanthManaged.h>

#include <string>

#include "FlatGuard.h"

using mirobanth::application::Application;
using mirobanth::core::Console;
using mirobanth::core::guarded;
using mirobanth::managed::Managed;

namespace {

// The handle is the object's address as an Application, the type the
// application library's flat functions expect.
Managed* managedOf(ManagedTypeC handle) {
    return static_cast<Managed*>(reinterpret_cast<Application*>(handle));
}

ManagedTypeC handleOf(Managed* managed) {
    return reinterpret_cast<ManagedTypeC>(static_cast<Application*>(managed));
}

bool isNull(const void* handle, const char* function) {
    return mbIsNull(handle, (std::string(function) + " - ManagedTypeC handle is NULL").c_str());
}

ManagedTypeC create(const char* function, const char* name, const char* company, int argc,
                    char** argv) {
    Managed* managed = nullptr;
    guarded(function, [&] {
        managed = new Managed(name, argc, argv);
        managed->setCompany(company);
    });
    return handleOf(managed);
}

}  // namespace

extern "C" {

ManagedTypeC mbManagedCreate(const char* name, const char* company, int argc, char** argv) {
    if (mbIsNull(name, "mbManagedCreate - name is NULL")) return nullptr;
    if (mbIsNull(company, "mbManagedCreate - company is NULL")) return nullptr;
    return create("mbManagedCreate", name, company, argc, argv);
}

ManagedTypeC mbManagedCreateWithWideCharacters(const wchar_t*, const wchar_t*, int argc,
                                               char** argv) {
    ManagedTypeC handle =
        create("mbManagedCreateWithWideCharacters", "WaitingToBeSet", "WaitingToBeSet", argc, argv);
    if (handle) {
        mbApplicationNotImplemented(reinterpret_cast<ApplicationTypeC>(handle),
                                    "mbManagedCreateWithWideCharacters");
    }
    return handle;
}

void mbManagedLaunch(ManagedTypeC managed, const char* className) {
    if (isNull(managed, "mbManagedLaunch")) return;
    if (mbIsNull(className, "mbManagedLaunch - class name is NULL")) return;
    guarded("mbManagedLaunch", [&] { managedOf(managed)->launch(className); });
}

int mbManagedExitValue(ManagedTypeC managed) {
    if (isNull(managed, "mbManagedExitValue")) return -1;
    int value = -1;
    guarded("mbManagedExitValue", [&] { value = managedOf(managed)->getExitValue(); });
    return value;
}

void mbManagedDelete(ManagedTypeC managed) {
    if (mbIsNull(managed, "@mbManagedDelete - ManagedTypeC handle is NULL")) return;
    guarded("mbManagedDelete", [&] { delete managedOf(managed); });
}

void mbManagedTest(void) {
    char program[] = "test";
    char* argv[] = {program, nullptr};
    ManagedTypeC managed = mbManagedCreate("mbManagedTest", "Mirobanth", 1, argv);
    mbManagedExitValue(managed);
    mbManagedLaunch(managed, "com.mirobanth.sample.SampleApp");
    mbManagedDelete(managed);
    mbManagedDelete(nullptr);
}

}  // extern "C"
