#pragma once

#include <mirobanth/managed/Managed.h>
#include <mirobanth/managed/products/ProductExport.h>

#include <string>

// Starts the MirobanthLayout product: its constructor runs the Java program
// com/mirobanth/app/layout/MirobanthLayout to its end.
class MIROBANTH_PRODUCT_API MirobanthLayout : public mirobanth::managed::Managed {
public:
    MirobanthLayout(int argc, char** argv);
    MirobanthLayout(const MirobanthLayout& other) = default;
    MirobanthLayout& operator=(const MirobanthLayout& other) = default;
    ~MirobanthLayout() override;

private:
    static std::string NAME;
};
