#pragma once

#include <mirobanth/application/ApplicationExport.h>
#include <mirobanth/core/Name.h>

#include <cstdint>
#include <memory>
#include <string>

namespace mirobanth::application {

// A command line held as a count and a view of the caller's texts. The texts
// are not copied, so the caller's argument vector must outlive the record;
// only the array of pointers to them belongs to the record.
class MIROBANTH_APPLICATION_API Arguments : public core::Name {
public:
    Arguments();
    Arguments(int argc, char** argv);
    ~Arguments() override;

    int getCount() const;
    // The argc texts followed by a null entry, or null when no vector was given.
    const char* const* getEntries() const;

    void list();

    // Descriptions of a value nobody recognised.
    static std::string describe(int number);
    static std::string describe(std::string text);
    static std::string describe(std::string key, std::string value);

private:
    std::int32_t count;
    std::unique_ptr<char*[]> entries;
};

}  // namespace mirobanth::application
