#pragma once

#include <mirobanth/core/CoreExport.h>
#include <mirobanth/core/Method.h>
#include <mirobanth/core/MethodArgument.h>
#include <mirobanth/core/Value.h>

#include <list>
#include <string>

namespace mirobanth::core {

// A named library of callable methods. Dispatch has no backing code yet:
// every call checks the method name and answers a placeholder Value.
// An empty library or method name raises a new RuntimeException*, which the
// catcher owns and deletes.
class MIROBANTH_CORE_API Library {
public:
    Library();
    explicit Library(std::string name);

    std::string getName() const;
    std::string name() const;
    void setName(std::string newName);

    // Answers "undefined"; the arguments are not consulted.
    Value call(std::string methodName);
    Value call(Method method, std::list<MethodArgument> arguments);
    // The arguments are pointers ending with a null pointer, at most ten
    // before it. Answers an empty Value.
    Value callVariable(Method method, MethodArgument* first, ...);
    // Checks and dispatches nothing; answers an empty Value.
    Value callReturnAndDispatch(std::string methodName);
    // Runs the call's placeholder on a worker thread and returns once the
    // worker has ended.
    void invokeLater(Method method);

    static void test();

private:
    void checkIntegrity();
    void verify(Method method);

    std::string libraryName;
};

}  // namespace mirobanth::core
