#include "platform/ManifestRecord.h"

#include <mirobanth/core/Console.h>

#include <algorithm>
#include <iostream>
#include <sstream>

namespace mirobanth::application {

namespace {

constexpr std::streamsize RECORD_SIZE = sizeof(ManifestRecord);

// The round trip goes through memory: a check must not create or grow a
// file on the user's disk.
ManifestRecord roundTrip(const ManifestRecord& record) {
    std::stringstream bytes(std::ios::in | std::ios::out | std::ios::binary);
    bytes.write(reinterpret_cast<const char*>(&record), RECORD_SIZE);
    ManifestRecord readBack = record;
    bytes.read(reinterpret_cast<char*>(&readBack), RECORD_SIZE);
    return readBack;
}

}  // namespace

std::string manifestName(const ManifestRecord& record) {
    const char* areaEnd = record.name + ManifestRecord::NAME_SIZE;
    return std::string(record.name, std::find(record.name, areaEnd, '\0'));
}

void checkManifest(const ManifestRecord* manifest, std::string) {
    if (!manifest) core::Console::warn("NULL_MANIFEST");
    ManifestRecord record{};
    record.rank = 1;
    const ManifestRecord readBack = roundTrip(record);
    std::cout << manifestName(readBack) << std::endl;
    std::cout << "Rank :" << readBack.rank << std::endl;
}

}  // namespace mirobanth::application
