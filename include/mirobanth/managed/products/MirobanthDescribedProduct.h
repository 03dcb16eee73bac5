#pragma once

#include <mirobanth/managed/Managed.h>
#include <mirobanth/managed/ProductDescription.h>
#include <mirobanth/managed/products/ProductExport.h>

#include <string>

// Starts the product that a description names: its constructor runs the
// description's main class to its end. Its version and company are the
// description's version and vendor, where it gives them.
class MIROBANTH_PRODUCT_API MirobanthDescribedProduct : public mirobanth::managed::Managed {
public:
    MirobanthDescribedProduct(const mirobanth::managed::DescribedLaunch& described, int argc,
                              char** argv);
    MirobanthDescribedProduct(const MirobanthDescribedProduct& other) = default;
    MirobanthDescribedProduct& operator=(const MirobanthDescribedProduct& other) = default;
    ~MirobanthDescribedProduct() override;

    const std::string& getVersion() const override;
    const std::string& getCompany() const override;
};
