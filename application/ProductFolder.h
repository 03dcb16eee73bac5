#pragma once

#include <string>

// Where the product's files lie: beside this library, whatever the working
// folder is.
namespace mirobanth::application {

// The folder this library was loaded from; "" when the system cannot say.
std::string productFolder();

// The product's folder of native libraries, as PATH receives it.
std::string productSystemFolder();

}  // namespace mirobanth::application
