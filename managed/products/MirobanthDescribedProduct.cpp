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

// A description without them keeps the application's own texts.
const std::string& MirobanthDescribedProduct::getVersion() const {
    const std::string& version = getDescribedLaunch()->product.version;
    return version.empty() ? Managed::getVersion() : version;
}

const std::string& MirobanthDescribedProduct::getCompany() const {
    const std::string& vendor = getDescribedLaunch()->product.vendor;
    return vendor.empty() ? Managed::getCompany() : vendor;
}
