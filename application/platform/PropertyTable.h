#pragma once

#include <map>
#include <string>

namespace mirobanth::application {

// Keys and values of persisted application state, kept in key order.
// Internal to the application library.
class PropertyTable {
public:
    void set(std::string key, std::string value);
    void remove(std::string key);
    bool contains(std::string key) const;
    // "-- list --" as an information line, then the size and every entry
    // (value, blank, key) straight on standard output, silent or not.
    void list() const;

    // Fills, lists, empties and lists a table of its own, and returns it.
    static PropertyTable checkTable();

private:
    std::map<std::string, std::string> entries;
};

}  // namespace mirobanth::application
