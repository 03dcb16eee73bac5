#pragma once

#include <mirobanth/managed/Managed.h>
#include <mirobanth/managed/products/ProductExport.h>

#include <string>

// Starts the Hybrimain product: the hybrid application runtime when an
// argument is "-app", the Hybrimain program otherwise. "-app" and its value
// reach the Java program as well.
class MIROBANTH_PRODUCT_API MirobanthHybrimain : public mirobanth::managed::Managed {
public:
    MirobanthHybrimain(int argc, char** argv);
    MirobanthHybrimain(const MirobanthHybrimain& other) = default;
    MirobanthHybrimain& operator=(const MirobanthHybrimain& other) = default;
    ~MirobanthHybrimain() override;

    // Hides Managed's answer for callers that know the product; Managed's
    // own constructor still asks Managed.
    bool isAutoResolvingClass() const;

    // Started with the program name alone, runs the program again with the
    // default application file and returns 1; otherwise launches a
    // Hybrimain and returns its exit value.
    static int relaunchIfWithoutArguments(int argc, char** argv);

private:
    static std::string NAME;
};
