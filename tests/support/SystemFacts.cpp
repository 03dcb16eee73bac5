#include "SystemFacts.h"

namespace mirobanth::test::facts {

std::string pathList(const std::vector<std::string>& entries) {
    std::string list;
    for (const std::string& entry : entries)
        list += (list.empty() ? "" : pathListSeparator()) + entry;
    return list;
}

}  // namespace mirobanth::test::facts
