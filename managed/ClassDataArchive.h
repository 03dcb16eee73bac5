#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The class-data archive a described product keeps per user: the VM maps
// the classes a start loaded from it at the next start instead of reading
// and verifying them again. What an archive depends on, how it is named and
// which VM options write or map it; nothing here touches a file.
namespace mirobanth::managed {

// A file as an archive's key sees it: a file changed in place changes size
// or modification time.
struct FileStamp {
    std::string path;
    std::uintmax_t size = 0;
    long long modified = 0;
};

// Everything that decides whether an archive still fits a start.
struct ClassDataInputs {
    FileStamp vmLibrary;
    std::string javaVersion;
    std::vector<FileStamp> classPath;
    // The Java options after the launcher's own (the product's, the user's).
    std::vector<std::string> javaOptions;
};

// The Java options that change what an archive may hold (the garbage
// collector, compressed pointers, the heap's size, the module graph), in
// their order.
std::vector<std::string> archiveShapingOptions(const std::vector<std::string>& options);

// The first option with which the product or its user decide about class
// data themselves, or with which the VM shares no class of the class path;
// "" when there is none.
std::string classDataOption(const std::vector<std::string>& options);

// The largest heap the options ask for, in bytes (the last -Xmx or
// -XX:MaxHeapSize wins); nothing when they ask for none.
std::optional<std::uintmax_t> maxHeapSize(const std::vector<std::string>& options);

// Whether the VM runs without compressed object pointers, as it does with a
// heap of 32 GiB or more, and then takes its base archive classes_nocoops.jsa.
bool withoutCompressedOops(const std::vector<std::string>& options);

// Sixteen hexadecimal digits, the same for the same inputs on every system.
std::string classDataKey(const ClassDataInputs& inputs);

// Java 17 to 24 write a dynamic archive on top of the runtime's own base
// archive at the end of a start; 25 and later record the start and assemble
// an ahead-of-time cache from the recording, with the classes linked too.
enum class ArchiveKind { Dynamic, AheadOfTime };
// Nothing for a Java older than 17.
std::optional<ArchiveKind> archiveKind(int featureVersion);

// "classes-<key>.jsa" or "classes-<key>.aot".
std::string archiveFileName(const std::string& key, ArchiveKind kind);

// The options of a start that writes the archive at its end: into
// temporary (Dynamic) or as the recording temporary (AheadOfTime), with the
// VM's class-data lines in log, never on the program's streams.
std::vector<std::string> writingOptions(ArchiveKind kind, const std::string& temporary,
                                        const std::string& log);
// The options of a start that maps archive, telling in log how it went.
std::vector<std::string> mappingOptions(ArchiveKind kind, const std::string& archive,
                                        const std::string& log);
// The command that assembles an ahead-of-time cache into temporary from a
// recording, with the class path option and the shaping options of the
// start that recorded it.
std::vector<std::string> assemblyCommand(const std::string& javaLauncher,
                                         const std::string& recording, const std::string& temporary,
                                         const std::string& classPathOption,
                                         const std::vector<std::string>& shapingOptions);

// Whether the log of a mapping start says that the VM opened archive and
// kept it; false for one it opened and then let go (a jar is not the one it
// was made with), could not map or did not find.
bool archiveMapped(const std::string& log, const std::string& archive);

}  // namespace mirobanth::managed
