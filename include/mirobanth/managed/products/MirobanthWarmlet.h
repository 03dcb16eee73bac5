#pragma once

#include <mirobanth/managed/Managed.h>
#include <mirobanth/managed/products/ProductExport.h>

#include <string>

// Starts the Warmlet product: its constructor runs the Java program
// com/mirobanth/app/warmlet/Warmlet to its end.
class MIROBANTH_PRODUCT_API MirobanthWarmlet : public mirobanth::managed::Managed {
public:
    MirobanthWarmlet(int argc, char** argv);
    MirobanthWarmlet(const MirobanthWarmlet& other) = default;
    MirobanthWarmlet& operator=(const MirobanthWarmlet& other) = default;
    ~MirobanthWarmlet() override;

private:
    static std::string NAME;
};
