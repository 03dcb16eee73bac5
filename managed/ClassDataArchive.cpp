#include "ClassDataArchive.h"

#include <cctype>
#include <cstdio>

namespace mirobanth::managed {

namespace {

// What an option does to class data: it changes what an archive may hold, so
// it belongs to the key; or it settles class-data sharing itself (or turns
// it off for the class path), so the launcher keeps out of it.
enum class Effect { Shapes, Decides };

struct OptionRule {
    // A -XX flag by its name alone ("-XX:UseG1GC" stands for -XX:+UseG1GC,
    // -XX:-UseG1GC and -XX:UseG1GC=...), any other option by how it begins.
    const char* option;
    Effect effect;
};

const OptionRule OPTION_RULES[] = {
    {"-XX:UseSerialGC", Effect::Shapes},
    {"-XX:UseParallelGC", Effect::Shapes},
    {"-XX:UseG1GC", Effect::Shapes},
    {"-XX:UseZGC", Effect::Shapes},
    {"-XX:ZGenerational", Effect::Shapes},
    {"-XX:UseShenandoahGC", Effect::Shapes},
    {"-XX:UseEpsilonGC", Effect::Shapes},
    {"-XX:UseCompressedOops", Effect::Shapes},
    {"-XX:UseCompressedClassPointers", Effect::Shapes},
    {"-XX:UseCompactObjectHeaders", Effect::Shapes},
    {"-XX:ObjectAlignmentInBytes", Effect::Shapes},
    {"-XX:MaxHeapSize", Effect::Shapes},
    {"-XX:EnableJVMCI", Effect::Shapes},
    {"-Xmx", Effect::Shapes},
    {"--module-path", Effect::Shapes},
    {"--add-modules", Effect::Shapes},
    {"--add-exports", Effect::Shapes},
    {"--add-opens", Effect::Shapes},
    {"--add-reads", Effect::Shapes},
    {"--enable-native-access", Effect::Shapes},
    {"--enable-preview", Effect::Shapes},
    {"-Xshare:", Effect::Decides},
    {"-XX:SharedArchiveFile", Effect::Decides},
    {"-XX:ArchiveClassesAtExit", Effect::Decides},
    {"-XX:AutoCreateSharedArchive", Effect::Decides},
    {"-XX:SharedClassListFile", Effect::Decides},
    {"-XX:DumpLoadedClassList", Effect::Decides},
    {"-XX:AOTCache", Effect::Decides},
    {"-XX:AOTCacheOutput", Effect::Decides},
    {"-XX:AOTMode", Effect::Decides},
    {"-XX:AOTConfiguration", Effect::Decides},
    {"--patch-module", Effect::Decides},
    {"--limit-modules", Effect::Decides},
    {"--upgrade-module-path", Effect::Decides},
    {"-Xbootclasspath/a:", Effect::Decides},
};

const std::string XX = "-XX:";

bool startsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

// "-XX:+Name", "-XX:-Name" and "-XX:Name=value" all as "-XX:Name".
std::string flagOf(const std::string& option) {
    std::string name = option.substr(XX.size());
    if (!name.empty() && (name.front() == '+' || name.front() == '-')) name.erase(0, 1);
    return XX + name.substr(0, name.find('='));
}

bool hasEffect(const std::string& option, Effect effect) {
    const bool isFlag = startsWith(option, XX);
    for (const OptionRule& rule : OPTION_RULES) {
        if (rule.effect != effect) continue;
        if (isFlag ? flagOf(option) == rule.option : startsWith(option, rule.option)) return true;
    }
    return false;
}

// "512m", "32G", "34359738368": bytes; nothing for a text that is no size.
std::optional<std::uintmax_t> sizeInBytes(const std::string& text) {
    std::size_t digits = 0;
    while (digits < text.size() && std::isdigit(static_cast<unsigned char>(text[digits]))) ++digits;
    if (digits == 0 || digits > 15 || text.size() > digits + 1) return std::nullopt;
    std::uintmax_t size = std::stoull(text.substr(0, digits));
    if (digits == text.size()) return size;
    switch (std::tolower(static_cast<unsigned char>(text.back()))) {
        case 't':
            size <<= 10;
            [[fallthrough]];
        case 'g':
            size <<= 10;
            [[fallthrough]];
        case 'm':
            size <<= 10;
            [[fallthrough]];
        case 'k':
            return size << 10;
        default:
            return std::nullopt;
    }
}

// FNV-1a: short, stable across systems and builds, and enough to tell
// archives of one product apart; a collision only costs a rejected archive.
std::uint64_t fingerprint(const std::string& text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text) hash = (hash ^ c) * 1099511628211ull;
    return hash;
}

std::string stampLine(const char* what, const FileStamp& file) {
    return std::string(what) + " " + file.path + " " + std::to_string(file.size) + " " +
           std::to_string(file.modified) + "\n";
}

// Unified logging: nothing of class data on the program's standard output
// (where the VM's warnings go by default), its lines in the launcher's file.
std::vector<std::string> loggingOptions(ArchiveKind kind, const std::string& log) {
    const std::string file = ":file=\"" + log + "\"::filecount=0";
    if (kind == ArchiveKind::AheadOfTime)
        return {"-Xlog:aot*=off,cds*=off", "-Xlog:aot,cds" + file};
    return {"-Xlog:cds*=off", "-Xlog:cds,cds+dynamic" + file};
}

const char* const MAPPING_FAILURES[] = {
    "Unable to use shared archive",
    "Unable to map shared spaces",
    "An error has occurred while processing",
};

}  // namespace

std::vector<std::string> archiveShapingOptions(const std::vector<std::string>& options) {
    std::vector<std::string> shaping;
    for (const std::string& option : options) {
        if (hasEffect(option, Effect::Shapes)) shaping.push_back(option);
    }
    return shaping;
}

std::string classDataOption(const std::vector<std::string>& options) {
    for (const std::string& option : options) {
        if (hasEffect(option, Effect::Decides)) return option;
    }
    return "";
}

std::optional<std::uintmax_t> maxHeapSize(const std::vector<std::string>& options) {
    std::optional<std::uintmax_t> size;
    for (const std::string& option : options) {
        for (const std::string prefix : {"-Xmx", "-XX:MaxHeapSize="}) {
            if (!startsWith(option, prefix)) continue;
            if (auto bytes = sizeInBytes(option.substr(prefix.size()))) size = bytes;
        }
    }
    return size;
}

bool withoutCompressedOops(const std::vector<std::string>& options) {
    bool without = false;
    for (const std::string& option : options) {
        if (option == "-XX:-UseCompressedOops") without = true;
        if (option == "-XX:+UseCompressedOops") without = false;
    }
    const std::optional<std::uintmax_t> heap = maxHeapSize(options);
    return without || (heap && *heap >= (std::uintmax_t{32} << 30));
}

std::string classDataKey(const ClassDataInputs& inputs) {
    std::string text = stampLine("vm", inputs.vmLibrary) + "java " + inputs.javaVersion + "\n";
    for (const FileStamp& entry : inputs.classPath) text += stampLine("class-path", entry);
    for (const std::string& option : archiveShapingOptions(inputs.javaOptions)) {
        text += "option " + option + "\n";
    }
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llx",
                  static_cast<unsigned long long>(fingerprint(text)));
    return digits;
}

std::optional<ArchiveKind> archiveKind(int featureVersion) {
    if (featureVersion >= 25) return ArchiveKind::AheadOfTime;
    if (featureVersion >= 17) return ArchiveKind::Dynamic;
    return std::nullopt;
}

std::string archiveFileName(const std::string& key, ArchiveKind kind) {
    return "classes-" + key + (kind == ArchiveKind::AheadOfTime ? ".aot" : ".jsa");
}

// The recording start's own lines (where the recording went) are the VM's
// output, not the program's: they go nowhere.
std::vector<std::string> writingOptions(ArchiveKind kind, const std::string& temporary,
                                        const std::string& log) {
    std::vector<std::string> options;
    if (kind == ArchiveKind::AheadOfTime) {
        options = {"-XX:AOTMode=record", "-XX:AOTConfiguration=" + temporary,
                   "-XX:+UnlockDiagnosticVMOptions", "-XX:-DisplayVMOutput"};
    } else {
        options = {"-XX:ArchiveClassesAtExit=" + temporary};
    }
    for (const std::string& option : loggingOptions(kind, log)) options.push_back(option);
    return options;
}

std::vector<std::string> mappingOptions(ArchiveKind kind, const std::string& archive,
                                        const std::string& log) {
    std::vector<std::string> options = {
        (kind == ArchiveKind::AheadOfTime ? "-XX:AOTCache=" : "-XX:SharedArchiveFile=") + archive};
    for (const std::string& option : loggingOptions(kind, log)) options.push_back(option);
    return options;
}

std::vector<std::string> assemblyCommand(const std::string& javaLauncher,
                                         const std::string& recording, const std::string& temporary,
                                         const std::string& classPathOption,
                                         const std::vector<std::string>& shapingOptions) {
    std::vector<std::string> command = {javaLauncher, "-XX:AOTMode=create",
                                        "-XX:AOTConfiguration=" + recording,
                                        "-XX:AOTCache=" + temporary, classPathOption};
    command.insert(command.end(), shapingOptions.begin(), shapingOptions.end());
    return command;
}

bool archiveMapped(const std::string& log, const std::string& archive) {
    for (const char* failure : MAPPING_FAILURES) {
        if (log.find(failure) != std::string::npos) return false;
    }
    return log.find("Opened archive " + archive + ".") != std::string::npos ||
           log.find("Opened AOT cache " + archive + ".") != std::string::npos;
}

}  // namespace mirobanth::managed
