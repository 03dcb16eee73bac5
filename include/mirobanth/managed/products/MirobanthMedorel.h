#pragma once

#include <mirobanth/managed/Managed.h>
#include <mirobanth/managed/products/ProductExport.h>

#include <string>

// Starts the Medorel product: its constructor runs the Java program
// com/mirobanth/hybrid/media/Medorel to its end.
class MIROBANTH_PRODUCT_API MirobanthMedorel : public mirobanth::managed::Managed {
public:
    MirobanthMedorel(int argc, char** argv);
    MirobanthMedorel(const MirobanthMedorel& other) = default;
    MirobanthMedorel& operator=(const MirobanthMedorel& other) = default;
    ~MirobanthMedorel() override;

private:
    static std::string NAME;
};
