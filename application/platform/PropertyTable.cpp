#include "platform/PropertyTable.h"

#include <mirobanth/core/Console.h>

#include <iostream>

namespace mirobanth::application {

using core::Console;

void PropertyTable::set(std::string key, std::string value) {
    entries[std::move(key)] = std::move(value);
}

void PropertyTable::remove(std::string key) { entries.erase(key); }

bool PropertyTable::contains(std::string key) const { return entries.count(key) != 0; }

void PropertyTable::list() const {
    Console::info("-- list --");
    std::cout << "Size: " << entries.size() << std::endl;
    for (const auto& [key, value] : entries) std::cout << value << " " << key << std::endl;
}

PropertyTable PropertyTable::checkTable() {
    PropertyTable table;
    table.set("test", "verdi");
    Console::info(table.contains("test") ? "OK" : "Error");
    table.list();
    table.remove("test");
    table.list();
    return table;
}

}  // namespace mirobanth::application
