#include <mirobanth/core/Console.h>
#include <mirobanth/managed/products/MirobanthDescribedProduct.h>

using mirobanth::managed::DescribedLaunch;

MirobanthDescribedProduct::MirobanthDescribedProduct(const DescribedLaunch& described, int argc,
                                                     char** argv)
    : Managed(described, argc, argv) {
    launchWithString(described.product.mainClass);
}

MirobanthDescribedProduct::~MirobanthDescribedProduct() {
    mirobanth::core::Console::finalizeEvent(this);
}

const std::string& MirobanthDescribedProduct::getVersion() const {
    return getDescribedLaunch()->product.version;
}

const std::string& MirobanthDescribedProduct::getCompany() const {
    return getDescribedLaunch()->product.vendor;
}
