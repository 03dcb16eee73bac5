#include "ApplicationFixture.h"

#include <regex>

namespace mirobanth::test {

const std::string SYSTEM_FOLDER = binaryDirectory() + facts::directorySeparator() + "system/";

std::string withoutSplash(const std::string& out, const std::string& name) {
    const std::string banner = "Mirobanth " + name + " running on amd64 in userspace <ana>\n";
    EXPECT_EQ(out.substr(0, banner.size()), banner);
    std::string rest = out.substr(std::min(out.size(), banner.size()));
    std::string stamp = rest.substr(0, rest.find('\n'));
    static const std::regex asctime(
        R"([A-Z][a-z]{2} [A-Z][a-z]{2} [ 0-9][0-9] \d\d:\d\d:\d\d \d{4})");
    EXPECT_TRUE(std::regex_match(stamp, asctime)) << "date line: " << stamp;
    return rest.substr(std::min(rest.size(), stamp.size() + 1));
}

}  // namespace mirobanth::test
