#pragma once

#include <mirobanth/managed/Managed.h>
#include <mirobanth/managed/products/ProductExport.h>

#include <string>

// Starts the MirobanthFX product: its constructor runs the Java program
// com/mirobanth/app/fx/MirobanthFX to its end.
class MIROBANTH_PRODUCT_API MirobanthEffects : public mirobanth::managed::Managed {
public:
    MirobanthEffects(int argc, char** argv);
    MirobanthEffects(const MirobanthEffects& other) = default;
    MirobanthEffects& operator=(const MirobanthEffects& other) = default;
    ~MirobanthEffects() override;

private:
    static std::string NAME;
};
