#pragma once

#include <string>

#include "managed/Managed.h"
#include "managed/products/ProductExport.h"

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
