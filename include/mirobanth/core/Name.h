#pragma once

#include <mirobanth/core/CoreExport.h>

#include <cstdint>
#include <iosfwd>
#include <string>

namespace mirobanth::core {

// Root of the object model: a display name that tags console lines, two
// integer tags and a serializable flag, compared together by equals().
class MIROBANTH_CORE_API Name {
public:
    Name();
    explicit Name(std::string name);
    Name(const Name&) = default;
    Name& operator=(const Name&) = default;
    virtual ~Name();

    std::string getName() const;
    void setName(std::string name);
    std::string toString() const;
    // False for a null other: nothing equals no object.
    bool equals(const Name* other) const;
    bool isSerializable() const;

    // Serialisation is not available: both raise a new RuntimeException*.
    void load(std::istream& in);
    void save(std::ostream& out);
    // Serializable objects reach load/save; others raise a new std::exception*.
    static void loadObject(Name* object, std::istream& in);
    static void saveObject(Name* object, std::ostream& out);

    static void test();

private:
    std::string name;
    std::int32_t primaryTag = 0;
    std::int32_t secondaryTag = -1;
    bool serializable = false;
};

}  // namespace mirobanth::core
