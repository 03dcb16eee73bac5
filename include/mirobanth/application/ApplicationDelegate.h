#pragma once

#include <mirobanth/application/ApplicationExport.h>
#include <mirobanth/core/Name.h>

namespace mirobanth::application {

class Application;

// Lets a host follow a plain Application without deriving from it: told once
// when construction ends and each time the exit value is read.
class MIROBANTH_APPLICATION_API ApplicationDelegate : public core::Name {
public:
    ApplicationDelegate();
    ~ApplicationDelegate() override;

    // Both hooks only warn "NULL delegate" when given no application.
    virtual void applicationInitEvent(Application* application);
    virtual void exitValueEvent(Application* application);
};

}  // namespace mirobanth::application
