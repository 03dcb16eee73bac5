#pragma once

#include <mirobanth/core/CoreExport.h>
#include <mirobanth/core/Name.h>
#include <mirobanth/core/RuntimeAPI.h>

#include <cstdint>
#include <string>

namespace mirobanth::core {

// The process-wide runtime object, created when the core library is loaded
// and destroyed when it is unloaded. Its operations are announced as not
// implemented; exit() in particular leaves the process running.
class MIROBANTH_CORE_API Runtime : public Name, public RuntimeAPI {
public:
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;
    ~Runtime() override;

    static Runtime& instance();

    std::string getValue() const;
    std::string value() const;
    void setValue(std::string newValue);

    // Answers -1 whatever the machine has.
    std::int32_t availableProcessors() override;
    void exit(int status) override;
    void gc() override;

    static void test();

private:
    explicit Runtime(std::string value);

    static Runtime currentRuntime;

    std::string runtimeValue;
};

}  // namespace mirobanth::core
