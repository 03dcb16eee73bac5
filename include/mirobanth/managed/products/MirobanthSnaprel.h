#pragma once

#include <mirobanth/managed/Managed.h>
#include <mirobanth/managed/products/ProductExport.h>

#include <string>

// Starts the Snaprel product: its constructor runs the Java program com/mirobanth/snaprel/Snaprel
// to its end.
class MIROBANTH_PRODUCT_API MirobanthSnaprel : public mirobanth::managed::Managed {
public:
    MirobanthSnaprel(int argc, char** argv);
    MirobanthSnaprel(const MirobanthSnaprel& other) = default;
    MirobanthSnaprel& operator=(const MirobanthSnaprel& other) = default;
    ~MirobanthSnaprel() override;

private:
    static std::string NAME;
};
