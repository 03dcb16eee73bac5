#include "Thread.h"

#include <mirobanth/core/Console.h>

#include <iostream>
#include <system_error>
#include <thread>

namespace mirobanth::core {

Thread::Thread() : Thread("Thread", nullptr) {}

Thread::Thread(Runnable* target) : Thread("Thread", target) {}

Thread::Thread(std::string threadName) : Thread(std::move(threadName), nullptr) {}

Thread::Thread(std::string threadName, Runnable* target)
    : Name("Thread"), threadName(std::move(threadName)), target(target) {}

Thread::~Thread() { Console::finalizeEvent(this); }

void Thread::start() {
    Console::info("Thread.start()");
    std::thread worker;
    try {
        worker = std::thread(entry, this);
    } catch (const std::system_error&) {
        // No worker, no run: the caller simply goes on, as with any thread
        // the system refused to create.
        return;
    }
    worker.join();
}

int Thread::entry(Thread* thread) {
    Console::info("Thread called");
    thread->run();
    return 0;
}

void Thread::run() {
    if (target) {
        target->run();
        return;
    }
    Console::info(this, "This is Thread.run()");
    countToOneHundred();
}

// A visible sign of life for a Thread started without a target. It goes to
// the stream directly, so it shows even when the console is silent.
void Thread::countToOneHundred() {
    std::cout << static_cast<const void*>(this) << std::endl;
    for (int i = 1; i <= 100; ++i) std::cout << i << std::endl;
}

}  // namespace mirobanth::core
