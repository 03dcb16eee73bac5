#include "JavaOptions.h"

#include <algorithm>
#include <limits>

#include "OperatingSystem.h"

namespace mirobanth::java {

namespace {

constexpr std::uint64_t KB = 1024;
// The largest thread stack the VM accepts, -Xss1g.
constexpr std::uint64_t LARGEST_STACK = 1024 * 1024 * KB;
// The java launcher never gives main a smaller stack than this.
constexpr std::uint64_t SMALLEST_STACK = 64 * KB;

const char* const STACK_OPTION = "-Xss";
const char* const STACK_FLAG = "-XX:ThreadStackSize=";  // in KiB

// White space as the VM's option parser sees it (the C locale's).
bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

int digitValue(char c, unsigned base) {
    if (c >= '0' && c <= '9') return c - '0';
    const char lower = static_cast<char>(c | 0x20);
    if (base == 16 && lower >= 'a' && lower <= 'f') return lower - 'a' + 10;
    return -1;
}

std::optional<std::uint64_t> multiplierOf(const std::string& suffix) {
    if (suffix.empty()) return 1;
    if (suffix.size() > 1) return std::nullopt;
    switch (suffix[0] | 0x20) {
        case 'k':
            return KB;
        case 'm':
            return KB * KB;
        case 'g':
            return KB * KB * KB;
        case 't':
            return KB * KB * KB * KB;
        default:
            return std::nullopt;
    }
}

// The stack an option asks for in bytes, rounded up to whole KiB as the VM
// keeps it; nothing when the option is about something else or the VM would
// refuse its value.
std::optional<std::uint64_t> requestedStack(const std::string& option) {
    std::optional<std::uint64_t> bytes;
    if (startsWith(option, STACK_OPTION)) {
        bytes = parseSize(option.substr(std::string(STACK_OPTION).size()));
    } else if (startsWith(option, STACK_FLAG)) {
        auto kilobytes = parseSize(option.substr(std::string(STACK_FLAG).size()));
        if (kilobytes && *kilobytes <= LARGEST_STACK / KB) bytes = *kilobytes * KB;
    }
    if (!bytes || *bytes > LARGEST_STACK) return std::nullopt;
    return (*bytes + KB - 1) / KB * KB;
}

}  // namespace

std::vector<std::string> splitOptions(const std::string& text) {
    std::vector<std::string> options;
    std::size_t at = 0;
    for (;;) {
        while (at < text.size() && isBlank(text[at])) ++at;
        if (at == text.size()) return options;
        std::string option;
        while (at < text.size() && !isBlank(text[at])) {
            const char c = text[at++];
            if (c != '\'' && c != '"') {
                option += c;
                continue;
            }
            const std::size_t close = std::min(text.find(c, at), text.size());
            option += text.substr(at, close - at);
            at = std::min(close + 1, text.size());
        }
        options.push_back(option);
    }
}

std::vector<std::string> withEnvironmentOptions(const std::vector<std::string>& given) {
    std::vector<std::string> options =
        splitOptions(os::environmentValue("JAVA_TOOL_OPTIONS").value_or(""));
    options.insert(options.end(), given.begin(), given.end());
    for (std::string& option : splitOptions(os::environmentValue("_JAVA_OPTIONS").value_or("")))
        options.push_back(std::move(option));
    return options;
}

std::optional<std::uint64_t> parseSize(const std::string& text) {
    const bool hexadecimal = text.size() > 2 && text[0] == '0' && (text[1] | 0x20) == 'x';
    const unsigned base = hexadecimal ? 16 : 10;
    std::size_t at = hexadecimal ? 2 : 0;
    const std::size_t firstDigit = at;
    std::uint64_t value = 0;
    for (int digit; at < text.size() && (digit = digitValue(text[at], base)) >= 0; ++at) {
        if (value > (std::numeric_limits<std::uint64_t>::max() - digit) / base) {
            return std::nullopt;
        }
        value = value * base + static_cast<unsigned>(digit);
    }
    if (at == firstDigit) return std::nullopt;
    auto multiplier = multiplierOf(text.substr(at));
    if (!multiplier || value > std::numeric_limits<std::uint64_t>::max() / *multiplier) {
        return std::nullopt;
    }
    return value * *multiplier;
}

std::size_t launchThreadStackSize(const std::vector<std::string>& options) {
    std::uint64_t stack = 0;  // the VM's default
    for (const std::string& option : options) {
        if (auto requested = requestedStack(option)) stack = *requested;
    }
    if (stack == 0) stack = DEFAULT_THREAD_STACK_SIZE;
    return static_cast<std::size_t>(std::max(stack, SMALLEST_STACK)) + LAUNCH_STACK_MARGIN;
}

}  // namespace mirobanth::java
