#include "DescriptionFiles.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <vector>

#include "OperatingSystem.h"
#include "Text.h"

namespace mirobanth::managed {

namespace {

// What a key does with its value: stores it, or says what is wrong with it.
using Store = std::string (*)(const std::string& value, ProductDescription& product);

struct Key {
    const char* name;
    bool repeatable;
    Store store;
};

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

// Windows keeps none of these in a file name, and the name becomes the
// folder of the user's Java options.
std::string storeName(const std::string& value, ProductDescription& product) {
    const std::string::size_type bad = value.find_first_of("/\\:*?\"<>|");
    if (bad != std::string::npos) {
        return "\"name\" cannot hold " + quoted(value.substr(bad, 1)) +
               ": it names the folder of the user's Java options";
    }
    product.name = value;
    return "";
}

std::string storeMainClass(const std::string& value, ProductDescription& product) {
    product.mainClass = value;
    std::replace(product.mainClass.begin(), product.mainClass.end(), '.', '/');
    return "";
}

// An entry holding the separator would reach the VM as two entries.
std::string addClassPathEntry(const std::string& value, ProductDescription& product) {
    if (value.find(os::PATH_LIST_SEPARATOR) != std::string::npos) {
        return "class path entry " + quoted(value) + " holds " + quoted(os::PATH_LIST_SEPARATOR) +
               ": give each entry a line of its own";
    }
    const std::string path =
        std::filesystem::u8path(value).is_absolute() ? value : os::inFolder(product.folder, value);
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::u8path(path), error)) {
        return "class path entry " + quoted(value) + " does not exist: " + path;
    }
    product.classPath.push_back(path);
    return "";
}

std::string addJavaOption(const std::string& value, ProductDescription& product) {
    if (value.front() != '-') return "\"java-option\" must begin with \"-\": " + value;
    const std::string marker = "$PRODUCT_DIR";
    std::string option = value;
    for (auto at = option.find(marker); at != std::string::npos;
         at = option.find(marker, at + product.folder.size())) {
        option.replace(at, marker.size(), product.folder);
    }
    product.javaOptions.push_back(option);
    return "";
}

std::string storeJavaMin(const std::string& value, ProductDescription& product) {
    const bool digits =
        std::all_of(value.begin(), value.end(), [](unsigned char c) { return std::isdigit(c); });
    if (!digits || value.size() > 3 || std::stoi(value) == 0) {
        return "\"java-min\" must be a Java feature version such as 17, not " + quoted(value);
    }
    product.javaMin = std::stoi(value);
    return "";
}

// A look-and-feel class is a dotted Java name: package, dot, class.
bool isClassName(const std::string& text) {
    auto isPart = [](unsigned char c) { return std::isalnum(c) || c == '_' || c == '$'; };
    bool dotted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const bool startsPart = i == 0 || text[i - 1] == '.';
        if (c == '.') {
            if (startsPart || i + 1 == text.size()) return false;
            dotted = true;
        } else if (!isPart(c) || (startsPart && std::isdigit(c))) {
            return false;
        }
    }
    return dotted;
}

std::string storeLookAndFeel(const std::string& value, ProductDescription& product) {
    if (value != "native" && value != "gemini" && value != "graphite" && !isClassName(value)) {
        return "unknown look and feel " + quoted(value) +
               ": use native, gemini, graphite or a class name such as "
               "javax.swing.plaf.nimbus.NimbusLookAndFeel";
    }
    product.lookAndFeel = value;
    return "";
}

std::string storeDiagnostics(const std::string& value, ProductDescription& product) {
    if (value != "quiet" && value != "verbose") {
        return "unknown diagnostics " + quoted(value) + ": use quiet or verbose";
    }
    product.verbose = value == "verbose";
    return "";
}

std::string storeClassData(const std::string& value, ProductDescription& product) {
    if (value != "auto" && value != "off") {
        return "unknown class-data " + quoted(value) + ": use auto or off";
    }
    product.classData = value == "auto";
    return "";
}

// Every key a description knows, and whether it may come more than once.
const Key KEYS[] = {
    {"name", false, storeName},
    {"vendor", false,
     [](const std::string& value, ProductDescription& product) -> std::string {
         product.vendor = value;
         return "";
     }},
    {"version", false,
     [](const std::string& value, ProductDescription& product) -> std::string {
         product.version = value;
         return "";
     }},
    {"main-class", false, storeMainClass},
    {"class-path", true, addClassPathEntry},
    {"java-option", true, addJavaOption},
    {"argument", true,
     [](const std::string& value, ProductDescription& product) -> std::string {
         product.arguments.push_back(value);
         return "";
     }},
    {"java-min", false, storeJavaMin},
    {"look-and-feel", false, storeLookAndFeel},
    {"diagnostics", false, storeDiagnostics},
    {"class-data", false, storeClassData},
};

const Key* findKey(const std::string& name) {
    for (const Key& key : KEYS) {
        if (name == key.name) return &key;
    }
    return nullptr;
}

std::string trimmed(const std::string& text) {
    const char* const blanks = " \t";
    const std::string::size_type first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// The lines of a text as editors write it: "\n" or "\r\n" at their ends, and
// on Windows often a byte order mark before the first.
std::vector<std::string> textLines(const std::string& text) {
    const std::string byteOrderMark = "\xEF\xBB\xBF";
    std::string body = text.compare(0, 3, byteOrderMark) == 0 ? text.substr(3) : text;
    std::vector<std::string> lines = os::pathListEntries(body, "\n");
    for (std::string& line : lines) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
    }
    return lines;
}

bool isComment(const std::string& line) { return line.empty() || line.front() == '#'; }

std::string atLine(const std::string& file, std::size_t number) {
    return file + ", line " + std::to_string(number) + ": ";
}

// One "key = value" line into the description; what is wrong with it, or "".
std::string readLine(const std::string& line, std::size_t number,
                     std::map<std::string, std::size_t>& firstLines, ProductDescription& product) {
    const std::string::size_type equals = line.find('=');
    if (equals == std::string::npos) return quoted(line) + " is not a \"key = value\" line";
    const std::string name = trimmed(line.substr(0, equals));
    const std::string value = trimmed(line.substr(equals + 1));
    const Key* key = findKey(name);
    if (!key) return "unknown key " + quoted(name);
    const auto [first, isFirst] = firstLines.emplace(name, number);
    if (!key->repeatable && !isFirst) {
        return quoted(name) + " is given again (first on line " + std::to_string(first->second) +
               ")";
    }
    if (value.empty()) return quoted(name) + " has no value";
    return key->store(value, product);
}

}  // namespace

DescriptionReading readProductDescription(const std::string& text, const std::string& file,
                                          const std::string& folder,
                                          const std::string& defaultName) {
    DescriptionReading reading;
    ProductDescription& product = reading.product;
    product.file = file;
    product.folder = folder;
    product.name = defaultName;
    std::map<std::string, std::size_t> firstLines;
    const std::vector<std::string> lines = textLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string line = trimmed(lines[i]);
        std::string fault = text::isWellFormedUtf8(line) ? "" : "not UTF-8 text";
        if (fault.empty() && !isComment(line)) fault = readLine(line, i + 1, firstLines, product);
        if (!fault.empty()) {
            reading.problem = atLine(file, i + 1) + fault;
            return reading;
        }
    }
    if (product.mainClass.empty()) {
        reading.problem = file + ": \"main-class\" is missing: it names the Java class to run";
    }
    return reading;
}

UserJavaOptions readUserJavaOptions(const std::string& text, const std::string& file) {
    UserJavaOptions user;
    user.file = file;
    const std::vector<std::string> lines = textLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string line = trimmed(lines[i]);
        std::string fault = text::isWellFormedUtf8(line) ? "" : "not UTF-8 text";
        if (fault.empty() && !isComment(line) && line.front() != '-') {
            fault = quoted(line) + " is not a Java option, which begins with \"-\"";
        }
        if (!fault.empty()) {
            user.options.clear();
            user.problem = atLine(file, i + 1) + fault + "; the launch goes on without this file";
            return user;
        }
        if (!isComment(line)) user.options.push_back(line);
    }
    user.read = true;
    return user;
}

std::string launcherName(const std::string& executablePath) {
    std::string name = std::filesystem::u8path(executablePath).filename().u8string();
    auto dropSuffix = [&name](const std::string& suffix, bool anyCase) {
        if (name.size() <= suffix.size()) return;
        std::string end = name.substr(name.size() - suffix.size());
        if (anyCase) {
            std::transform(end.begin(), end.end(), end.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        }
        if (end == suffix) name.resize(name.size() - suffix.size());
    };
    dropSuffix(".exe", true);
    dropSuffix("-Console", false);
    return name;
}

}  // namespace mirobanth::managed
