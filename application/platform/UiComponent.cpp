#include "platform/UiComponent.h"

#include <iomanip>
#include <iostream>
#include <sstream>

namespace mirobanth::application {

namespace {

// Two tabs at most: a deep tree stays readable in a narrow console.
std::string indentationFor(int depth) {
    if (depth == 0) return "";
    if (depth == 1) return "\t";
    return "\t\t";
}

// The position as a pointer value is printed: upper-case hexadecimal, zero
// padded to the width of a pointer, the same on every platform (the C++
// streams of the systems differ in how they print a pointer).
std::string positionText(std::size_t position) {
    std::ostringstream text;
    text << std::uppercase << std::hex << std::setfill('0') << std::setw(2 * sizeof(void*))
         << position;
    return text.str();
}

}  // namespace

UiComponent::UiComponent() : UiComponent("anonymous") {}

UiComponent::UiComponent(std::string name) : name(std::move(name)) {}

std::string UiComponent::getName() const { return name; }

void UiComponent::add(UiComponent* child) { children.push_back(child); }

void UiComponent::dump(int depth) const {
    const std::string indentation = indentationFor(depth);
    std::cout << indentation << "Dumping UI Model" << std::endl;
    std::cout << indentation << "Total Elements: " << children.size() << std::endl;
    for (std::size_t i = 0; i < children.size(); ++i) {
        std::cout << indentation << "Component at position " << positionText(i) << " is "
                  << children[i]->name << std::endl;
        children[i]->dump(depth + 1);
    }
}

}  // namespace mirobanth::application
