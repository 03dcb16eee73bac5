#include <mirobanth/core/Library.h>
#include <mirobanth/core/RuntimeException.h>

#include <cstdarg>
#include <memory>

#include "InvokerThread.h"
#include "Thread.h"

namespace mirobanth::core {

namespace {

// How many argument pointers callVariable may read before the terminator;
// reading further would run past what a caller is allowed to pass.
constexpr int MAX_VARIABLE_ARGUMENTS = 10;

}  // namespace

Library::Library() : Library("mirobanth:default") {}

Library::Library(std::string name) : libraryName(std::move(name)) { checkIntegrity(); }

std::string Library::getName() const { return libraryName; }

std::string Library::name() const { return libraryName; }

void Library::setName(std::string newName) { libraryName = std::move(newName); }

Value Library::call(std::string methodName) { return call(Method(std::move(methodName)), {}); }

Value Library::call(Method method, std::list<MethodArgument>) {
    verify(method);
    return Value("undefined");
}

Value Library::callVariable(Method method, MethodArgument* first, ...) {
    verify(method);
    va_list rest;
    va_start(rest, first);
    int read = 0;
    for (MethodArgument* argument = first; argument && read < MAX_VARIABLE_ARGUMENTS; ++read) {
        argument = va_arg(rest, MethodArgument*);
    }
    va_end(rest);
    return Value();
}

Value Library::callReturnAndDispatch(std::string) { return Value(); }

void Library::invokeLater(Method method) {
    verify(method);
    auto invoker = std::make_unique<InvokerThread>();
    {
        Thread worker("invokeLater", invoker.get());
        worker.start();
    }
    // The invoker is released only here, after the worker that ran it has ended.
}

void Library::test() {
    Library library("system32");
    library.setName(library.getName());
    library.call(Method("messagebox"), {});
}

void Library::checkIntegrity() {
    if (libraryName.empty()) throw new RuntimeException("Library name has zero length");
}

void Library::verify(Method method) {
    if (method.getName().empty()) throw new RuntimeException("Method name has zero length");
}

}  // namespace mirobanth::core
