#pragma once

#include <mirobanth/core/Name.h>
#include <mirobanth/core/Runnable.h>

#include <cstdint>
#include <string>

namespace mirobanth::core {

// A named worker that runs its target (or its own run()) on a real operating
// system thread. start() waits for the worker to end, so a Thread never
// outlives the call that started it. Internal to the core library.
class Thread : public Runnable, public Name {
public:
    Thread();
    explicit Thread(Runnable* target);
    explicit Thread(std::string threadName);
    Thread(std::string threadName, Runnable* target);
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;
    ~Thread() override;

    void start();
    void run() override;

private:
    static int entry(Thread* thread);
    void countToOneHundred();

    std::string threadName;
    // Scheduling hint for the worker; the operating system's default is used for now.
    std::int32_t priority = 0;
    Runnable* target;
};

}  // namespace mirobanth::core
