#include "ClassDataCache.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>

#include "JavaHome.h"
#include "OperatingSystem.h"

namespace mirobanth::managed {

namespace fs = std::filesystem;

namespace {

// The VM ends the process when it cannot finish writing an archive, and its
// size is not known before: a start writes one only where there is room for
// the largest a desktop program makes.
constexpr std::uintmax_t ROOM_FOR_AN_ARCHIVE = std::uintmax_t{512} << 20;
// Files a start writes under a temporary name live only while it ends; one
// older than this belongs to a start that was killed.
constexpr auto LEFTOVER_AGE = std::chrono::minutes(10);
const char* const TEMPORARY_MARK = ".tmp.";
// After this many refusals of its archive, a key keeps none.
constexpr int REFUSALS_TOLERATED = 2;

struct Pending {
    ClassDataStart start;
    bool refused = false;
};

std::mutex& pendingLock() {
    static std::mutex lock;
    return lock;
}

// Made before the exit handler is registered, so it is still there when the
// handler runs.
std::optional<Pending>& pending() {
    static std::optional<Pending> start;
    return start;
}

ClassDataStart off(const std::string& why) {
    ClassDataStart start;
    start.report = "No class data archive: " + why;
    return start;
}

std::optional<FileStamp> stampOf(const std::string& path) {
    std::error_code error;
    const fs::path file = fs::u8path(path);
    if (!fs::is_regular_file(file, error)) return std::nullopt;
    const std::uintmax_t size = fs::file_size(file, error);
    const fs::file_time_type modified = fs::last_write_time(file, error);
    if (error) return std::nullopt;
    return FileStamp{path, size, static_cast<long long>(modified.time_since_epoch().count())};
}

bool isFile(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(fs::u8path(path), error) &&
           fs::file_size(fs::u8path(path), error) > 0;
}

// The VM writes its archives read-only, which Windows does not remove.
void removeFile(const std::string& path) {
    std::error_code error;
    const fs::path file = fs::u8path(path);
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add, error);
    fs::remove(file, error);
}

std::string refusalsFile(const std::string& archive) {
    return archive.substr(0, archive.rfind('.')) + ".refused";
}

int refusals(const std::string& archive) {
    return std::atoi(os::fileContent(refusalsFile(archive)).value_or("").c_str());
}

// Every file of the folder is the product's: an archive or a mark of another
// key has had its day; a temporary one is another start's until it is old.
void removeOthers(const std::string& folder, const std::string& key) {
    const std::string own = "classes-" + key;
    const auto now = fs::file_time_type::clock::now();
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(fs::u8path(folder), error)) {
        const std::string name = entry.path().filename().u8string();
        if (name.rfind("classes-", 0) != 0 || !entry.is_regular_file(error)) continue;
        const bool temporary = name.find(TEMPORARY_MARK) != std::string::npos;
        const bool old = now - entry.last_write_time(error) > LEFTOVER_AGE;
        if (temporary ? old : name.substr(0, name.find('.')) != own) {
            removeFile(entry.path().u8string());
        }
    }
}

// A file the VM can make there, which the probe leaves as it found it.
bool canWrite(const std::string& path) {
    const bool written = std::ofstream(fs::u8path(path), std::ios::binary).is_open();
    removeFile(path);
    return written;
}

bool hasRoom(const std::string& folder) {
    std::error_code error;
    const fs::space_info space = fs::space(fs::u8path(folder), error);
    return !error && space.available >= ROOM_FOR_AN_ARCHIVE;
}

// The runtime's own archive, which a dynamic one extends; without it the
// VM refuses to start at all.
std::string baseArchive(const ClassDataRequest& request) {
    const std::string folder = fs::u8path(request.vmLibrary).parent_path().u8string();
    const char* name =
        withoutCompressedOops(request.javaOptions) ? "classes_nocoops.jsa" : "classes.jsa";
    return os::inFolder(folder, name, request.directorySeparator);
}

// Makes the folder of the product's archives when it is missing; what keeps
// it from use, or "" when nothing does.
std::string makeCacheFolder(const ClassDataRequest& request, std::string& folder) {
    const std::string cache = os::userCacheFolder();
    if (cache.empty()) return "the environment names no cache folder of the user";
    folder = os::inFolder(cache, request.productName, request.directorySeparator);
    // The VM reads the archive's option as a list of archives, and the name
    // of its log between quotes.
    const std::string::size_type bad =
        folder.find_first_of(os::PATH_LIST_SEPARATOR + std::string("\""));
    if (bad != std::string::npos) {
        return "the cache folder " + folder + " holds '" + folder.substr(bad, 1) + "'";
    }
    std::error_code error;
    fs::create_directories(fs::u8path(folder), error);
    return error ? folder + " cannot be made: " + error.message() : "";
}

ClassDataStart mapping(ArchiveKind kind, const std::string& archive, const std::string& stem) {
    ClassDataStart start;
    start.mode = ClassDataStart::Mode::Map;
    start.kind = kind;
    start.archive = archive;
    start.log = stem + "log";
    start.options = mappingOptions(kind, archive, start.log);
    return start;
}

ClassDataStart writing(ArchiveKind kind, const std::string& archive, const std::string& stem,
                       const ClassDataRequest& request, const std::string& home) {
    ClassDataStart start;
    start.mode = ClassDataStart::Mode::Write;
    start.kind = kind;
    start.archive = archive;
    start.log = stem + "log";
    start.temporary = stem + (kind == ArchiveKind::AheadOfTime ? "aotconf" : "jsa");
    start.options = writingOptions(kind, start.temporary, start.log);
    start.report = "Class data archive written at the end of this start: " + archive;
    if (kind == ArchiveKind::AheadOfTime) {
        start.assembling = stem + "aot";
        start.assembly = assemblyCommand(
            os::inFolder(home, request.javaLauncher, request.directorySeparator), start.temporary,
            start.assembling, request.classPathOption, archiveShapingOptions(request.javaOptions));
    }
    return start;
}

ClassDataStart inCache(const ClassDataRequest& request, const ClassDataInputs& inputs,
                       ArchiveKind kind, const std::string& home) {
    std::string folder;
    const std::string problem = makeCacheFolder(request, folder);
    if (!problem.empty()) return off(problem);
    const std::string key = classDataKey(inputs);
    removeOthers(folder, key);
    const std::string archive =
        os::inFolder(folder, archiveFileName(key, kind), request.directorySeparator);
    const std::string stem = os::inFolder(folder, "classes-" + key, request.directorySeparator) +
                             "." + std::to_string(os::processId()) + TEMPORARY_MARK;
    // The VM does not start at all when it cannot write its log.
    if (!canWrite(stem + "probe")) return off(folder + " cannot be written");
    if (isFile(archive)) return mapping(kind, archive, stem);
    if (refusals(archive) >= REFUSALS_TOLERATED) {
        return off("the VM did not map the archive of this Java and class path twice: " + archive);
    }
    if (!hasRoom(folder)) return off(folder + " has less than 512 MiB free");
    return writing(kind, archive, stem, request, home);
}

ClassDataStart prepared(const ClassDataRequest& request) {
    if (!request.wanted) return off("class-data = off");
    ClassDataInputs inputs;
    inputs.javaOptions = request.javaOptions;
    for (const std::string& entry : request.classPath) {
        std::error_code error;
        if (fs::is_directory(fs::u8path(entry), error)) {
            return off("the class path holds the folder " + entry + ", which no archive takes");
        }
        std::optional<FileStamp> stamp = stampOf(entry);
        if (!stamp) return off("the class path entry " + entry + " is no file");
        inputs.classPath.push_back(*stamp);
    }
    const std::string decided = classDataOption(request.javaOptions);
    if (!decided.empty()) return off("the Java option " + decided + " decides about class data");
    const std::string home = os::javaHomeOfLibrary(request.vmLibrary);
    inputs.javaVersion = home.empty() ? "" : os::javaReleaseVersion(home);
    const std::optional<ArchiveKind> kind =
        archiveKind(os::javaFeatureVersion(inputs.javaVersion).value_or(0));
    std::optional<FileStamp> vm = stampOf(request.vmLibrary);
    if (!kind || !vm) {
        return off("it takes Java 17 or later that states its version; " + request.vmLibrary +
                   (inputs.javaVersion.empty() ? " states none" : " is " + inputs.javaVersion));
    }
    inputs.vmLibrary = *vm;
    if (*kind == ArchiveKind::Dynamic && !isFile(baseArchive(request))) {
        return off("the Java runtime has no base archive " + baseArchive(request));
    }
    return inCache(request, inputs, *kind, home);
}

void putInPlace(const ClassDataStart& start) {
    if (start.kind == ArchiveKind::AheadOfTime && isFile(start.temporary)) {
        os::runProgramLogged(start.assembly, start.log);
        if (isFile(start.assembling)) os::replaceFile(start.assembling, start.archive);
        removeFile(start.assembling);
    } else if (isFile(start.temporary)) {
        os::replaceFile(start.temporary, start.archive);
    }
    removeFile(start.temporary);
}

void refuse(const std::string& archive) {
    removeFile(archive);
    std::ofstream(fs::u8path(refusalsFile(archive))) << refusals(archive) + 1 << "\n";
}

}  // namespace

ClassDataStart startClassData(const ClassDataRequest& request) {
    ClassDataStart start = prepared(request);
    if (start.mode == ClassDataStart::Mode::Off) return start;
    std::lock_guard<std::mutex> lock(pendingLock());
    pending() = Pending{start};
    static const bool registered = std::atexit(finishClassData) == 0;
    (void)registered;
    return start;
}

std::string reportMapping(ClassDataStart& start) {
    if (start.mode != ClassDataStart::Mode::Map) return start.report;
    std::lock_guard<std::mutex> lock(pendingLock());
    if (archiveMapped(os::fileContent(start.log).value_or(""), start.archive)) {
        return start.report = "Class data archive mapped: " + start.archive;
    }
    if (pending()) pending()->refused = true;
    return start.report = "The VM did not map the class data archive " + start.archive +
                          (refusals(start.archive) + 1 < REFUSALS_TOLERATED
                               ? "; the next start writes it again"
                               : "; this Java and class path keep none");
}

void finishClassData() {
    std::lock_guard<std::mutex> lock(pendingLock());
    if (!pending()) return;
    const Pending done = *pending();
    pending().reset();
    if (done.start.mode == ClassDataStart::Mode::Write) putInPlace(done.start);
    if (done.refused) refuse(done.start.archive);
    removeFile(done.start.log);
}

}  // namespace mirobanth::managed
