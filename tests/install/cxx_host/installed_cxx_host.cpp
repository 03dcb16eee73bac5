// Creates a launcher object from its class and prints what it reports. The
// exit value set here must come back through the library's accessor, and an
// exception the core library raises must be caught here by its class, which
// takes the class's type information exported from the library.
#include <mirobanth/core/Library.h>
#include <mirobanth/core/RuntimeException.h>
#include <mirobanth/managed/Managed.h>

#include <iostream>

int main(int argc, char** argv) {
    mirobanth::managed::Managed managed("InstalledCxxHost", argc, argv);
    managed.setExitValue(7);
    std::cout << "name " << managed.getApplicationName() << "\n"
              << "exit value " << managed.getExitValue() << "\n";
    try {
        mirobanth::core::Library unnamed("");
        std::cout << "no exception\n";
    } catch (mirobanth::core::RuntimeException* exception) {
        std::cout << "caught " << exception->what() << "\n";
        delete exception;
    }
    return 0;
}
