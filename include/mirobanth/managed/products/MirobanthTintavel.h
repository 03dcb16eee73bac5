#pragma once

#include <mirobanth/managed/Managed.h>
#include <mirobanth/managed/products/ProductExport.h>

#include <string>

// Starts the Tintavel product: its constructor runs the Java program
// com/mirobanth/tintavel/Tintavel to its end. Tintavel always puts the
// Substance jar on its class path, so it can switch skins while it runs.
class MIROBANTH_PRODUCT_API MirobanthTintavel : public mirobanth::managed::Managed {
public:
    MirobanthTintavel(int argc, char** argv);
    MirobanthTintavel(const MirobanthTintavel& other) = default;
    MirobanthTintavel& operator=(const MirobanthTintavel& other) = default;
    ~MirobanthTintavel() override;

    bool isImportingSubstance() const override;

private:
    static std::string NAME;
};
