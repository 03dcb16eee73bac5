#pragma once

#include <mirobanth/core/Name.h>

#include <string>

namespace mirobanth::application {

// A named source of readings, identified by the text it was built from.
// No sensor is connected yet, so every reading is empty. Internal to the
// application library.
class Sensor : public core::Name {
public:
    Sensor();
    explicit Sensor(std::string identifier);
    ~Sensor() override;

    std::string getIdentifier() const;
    std::string describe() const;
    virtual std::string read(std::string request);

private:
    std::string identifier;
};

}  // namespace mirobanth::application
