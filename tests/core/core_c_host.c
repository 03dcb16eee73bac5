/* A host written in C: it must compile against the flat header alone. */
#include <mirobanth/core/MirobanthCore.h>

#include <string.h>

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    mbConsoleTestLoading();
    if (strcmp(argv[1], "test") == 0) {
        mbConsoleTest();
        return 0;
    }
    if (strcmp(argv[1], "null-texts") == 0) {
        ConsoleTypeC console = mbConsoleCreate(NULL);
        mbConsoleInfo(console, NULL);
        mbConsoleWarn(NULL, NULL);
        mbConsoleNotImplemented(console, NULL);
        if (!mbIsNull(NULL, NULL)) return 3;
        mbConsoleDelete(console);
        mbConsoleFatal(NULL, NULL);
    }
    return 2;
}
