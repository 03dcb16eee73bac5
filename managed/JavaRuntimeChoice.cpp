#include "JavaRuntimeChoice.h"

#include <optional>
#include <set>

#include "JavaHome.h"

namespace mirobanth::managed {

namespace {

std::string where(const RuntimeCandidate& candidate) {
    return candidate.home.empty() ? candidate.library : candidate.home;
}

// "Java 11 in /usr/lib/jvm/java-11-openjdk-amd64".
std::string described(const RuntimeCandidate& candidate) {
    const std::optional<int> feature = os::javaFeatureVersion(candidate.version);
    const std::string java = feature ? "Java " + std::to_string(*feature)
                                     : std::string("a Java runtime of unknown version");
    return java + " in " + where(candidate);
}

std::string joined(const std::vector<std::string>& texts) {
    std::string text;
    for (const std::string& part : texts) text += (text.empty() ? "" : ", ") + part;
    return text;
}

std::string withVersion(std::string text, int javaMin) {
    const std::string marker = "<N>";
    const std::string::size_type at = text.find(marker);
    if (at != std::string::npos) text.replace(at, marker.size(), std::to_string(javaMin));
    return text;
}

}  // namespace

JavaRuntimeChoice chooseJavaRuntime(const std::vector<RuntimeCandidate>& candidates, int javaMin,
                                    const std::string& product, const std::string& runtimeExample) {
    const std::string version = std::to_string(javaMin);
    const std::string needs = product + " needs Java " + version + " or later";
    JavaRuntimeChoice choice;
    std::vector<std::string> found;
    std::set<std::string> seen;
    for (const RuntimeCandidate& candidate : candidates) {
        // The environment may name a runtime that the search finds again.
        if (!seen.insert(candidate.library).second) continue;
        const std::optional<int> feature = os::javaFeatureVersion(candidate.version);
        if (feature && *feature >= javaMin) {
            choice.library = candidate.library;
            choice.lines.push_back(described(candidate) + " is used");
            return choice;
        }
        if (candidate.bundled) {
            choice.problem = "Packaging error: " + needs + ", but the runtime it brings is " +
                             described(candidate) + ". Its package must bring Java " + version +
                             " or later.";
            return choice;
        }
        choice.lines.push_back("Passed over " + described(candidate) + ": " + needs);
        found.push_back(described(candidate));
    }
    choice.problem = needs + ". Found: " + (found.empty() ? "no Java runtime" : joined(found)) +
                     ". Install a Java runtime of version " + version + " or later" +
                     withVersion(runtimeExample, javaMin) + " or set JAVA_HOME to one.";
    return choice;
}

}  // namespace mirobanth::managed
