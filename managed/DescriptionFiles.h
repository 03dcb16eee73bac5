#pragma once

#include <mirobanth/managed/ProductDescription.h>

#include <string>

// The texts of a product description and of a user's Java options, read
// into their records. Nothing here touches a file, so every fault can be
// shown with a text of its own.
namespace mirobanth::managed {

// A description read, or the one fault that stops it ("" when none), which
// names the file and, where it has one, the line.
struct DescriptionReading {
    ProductDescription product;
    std::string problem;
};

// The description text of the file in folder. Relative class path entries
// and $PRODUCT_DIR are read against folder; every class path entry must
// exist. The name is defaultName unless the text gives one.
DescriptionReading readProductDescription(const std::string& text, const std::string& file,
                                          const std::string& folder,
                                          const std::string& defaultName);

// The options of a user's file (one a line, "#" comments), or a problem
// that keeps the whole file from use.
UserJavaOptions readUserJavaOptions(const std::string& text, const std::string& file);

// The name a launcher's description is kept under: the program's file name
// without ".exe" and then without "-Console".
std::string launcherName(const std::string& executablePath);

}  // namespace mirobanth::managed
