#pragma once

#include <cstdint>
#include <string>

namespace mirobanth::application {

// The fixed 104-byte manifest record, written and read as raw bytes in the
// machine's own byte order. Internal to the application library.
struct ManifestRecord {
    static constexpr std::size_t NAME_SIZE = 100;

    char name[NAME_SIZE];  // zero-terminated when written by this library
    std::int32_t rank;
};

static_assert(sizeof(ManifestRecord) == 104, "the record is stored byte for byte");

// The record's name up to its terminator, and never past the end of its
// area: bytes read from elsewhere need not carry a terminator.
std::string manifestName(const ManifestRecord& record);

// Checks that a record survives a write and a read-back, and prints the
// record read back: its name, then "Rank :" and its rank. A missing manifest
// is warned about as "NULL_MANIFEST". The check runs on a fresh zeroed record
// of its own and leaves no file behind: fileName is accepted and not used.
void checkManifest(const ManifestRecord* manifest, std::string fileName);

}  // namespace mirobanth::application
