#pragma once

#include <mirobanth/application/Application.h>

#include <string>

// The Remolet product runs no Java program: it names itself in an alert.
// Internal to the managed library.
class MirobanthRemolet : public mirobanth::application::Application {
public:
    MirobanthRemolet(int argc, char** argv);
    ~MirobanthRemolet() override;

private:
    static std::string NAME;
};
