#pragma once

#include <string>
#include <vector>

namespace mirobanth::application {

// A node of a user-interface model: a name and the nodes below it. The node
// only refers to its children; whoever made them deletes them. Internal to
// the application library.
class UiComponent {
public:
    UiComponent();
    explicit UiComponent(std::string name);

    std::string getName() const;
    void add(UiComponent* child);
    // Prints the tree below this node on standard output, silent or not.
    void dump(int depth) const;

private:
    std::string name;
    std::vector<UiComponent*> children;
};

}  // namespace mirobanth::application
