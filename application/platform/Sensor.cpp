#include "platform/Sensor.h"

namespace mirobanth::application {

Sensor::Sensor() : Name("Sensor") {}

Sensor::Sensor(std::string identifier) : Name(identifier), identifier(std::move(identifier)) {}

Sensor::~Sensor() = default;

std::string Sensor::getIdentifier() const { return identifier; }

std::string Sensor::describe() const { return identifier; }

std::string Sensor::read(std::string) { return ""; }

}  // namespace mirobanth::application
