#pragma once

#include <mirobanth/application/Application.h>

#include <string>

// The Recodra product runs no Java program: it shows the arguments it was
// started with in an alert. Internal to the managed library.
class MirobanthRecodra : public mirobanth::application::Application {
public:
    MirobanthRecodra(int argc, char** argv);
    ~MirobanthRecodra() override;

private:
    static std::string NAME;
};
