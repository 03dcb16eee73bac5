#include <mirobanth/core/Name.h>
#include <mirobanth/core/RuntimeException.h>

#include <exception>
#include <istream>
#include <ostream>

namespace mirobanth::core {

Name::Name() : Name("Undefined") {}

Name::Name(std::string name) : name(std::move(name)) {}

Name::~Name() = default;

std::string Name::getName() const { return name; }

void Name::setName(std::string newName) { name = std::move(newName); }

std::string Name::toString() const { return name; }

bool Name::equals(const Name* other) const {
    if (!other) return false;
    return other->name == name && other->primaryTag == primaryTag &&
           other->secondaryTag == secondaryTag && other->isSerializable() == serializable;
}

bool Name::isSerializable() const { return serializable; }

void Name::load(std::istream& in) {
    [[maybe_unused]] bool readable = in.good();
    throw new RuntimeException("::load not implemented");
}

void Name::save(std::ostream&) { throw new RuntimeException("::save not implemented"); }

void Name::loadObject(Name* object, std::istream& in) {
    if (!object->isSerializable()) throw new std::exception();
    object->load(in);
}

void Name::saveObject(Name* object, std::ostream& out) {
    if (!object->isSerializable()) throw new std::exception();
    object->save(out);
}

void Name::test() {
    Name name;
    try {
        throw std::exception();
    } catch (const std::exception&) {
    }
}

}  // namespace mirobanth::core
