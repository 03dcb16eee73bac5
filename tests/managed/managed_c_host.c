/* A host written in C that drives the launcher through the flat functions
   alone; it must compile against the flat headers as C.

     managed_c_host launch NAME CLASS [ARGUMENT...]  launches CLASS with a
         launcher object named NAME that received the ARGUMENTs; exits with
         its exit value
     managed_c_host test                             runs mbManagedTest
     managed_c_host null                             calls every function with
         a null handle and prints what they returned
     managed_c_host wide                             creates an object through
         the wide-character form and prints its name */
#include <mirobanth/application/MirobanthApplication.h>
#include <mirobanth/core/MirobanthCore.h>
#include <mirobanth/managed/MirobanthManaged.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static int launch(int argc, char** argv) {
    /* The object's command line: this program, then the ARGUMENTs. */
    int count = argc - 3;
    char** arguments = (char**)calloc((size_t)count + 1, sizeof(char*));
    ManagedTypeC managed;
    int value;
    int i;
    if (!arguments) return 3;
    arguments[0] = argv[0];
    for (i = 1; i < count; ++i) arguments[i] = argv[i + 3];
    managed = mbManagedCreate(argv[2], "Mirobanth", count, arguments);
    mbManagedLaunch(managed, argv[3]);
    value = mbManagedExitValue(managed);
    mbManagedDelete(managed);
    free(arguments);
    return value;
}

static int nullHandles(void) {
    mbManagedLaunch(NULL, "com/example/Main");
    printf("exit value %d\n", mbManagedExitValue(NULL));
    mbManagedDelete(NULL);
    printf("create %s\n", mbManagedCreate(NULL, "Mirobanth", 0, NULL) ? "made" : "refused");
    return 0;
}

static int wide(char** argv) {
    ManagedTypeC managed = mbManagedCreateWithWideCharacters(L"Ignored", L"Ignored", 1, argv);
    printf("name %s\n", mbApplicationParameterName((ApplicationTypeC)managed));
    mbManagedDelete(managed);
    return 0;
}

int main(int argc, char** argv) {
    if (argc >= 4 && strcmp(argv[1], "launch") == 0) return launch(argc, argv);
    if (argc == 2 && strcmp(argv[1], "test") == 0) {
        mbManagedTest();
        return 0;
    }
    if (argc == 2 && strcmp(argv[1], "null") == 0) return nullHandles();
    if (argc == 2 && strcmp(argv[1], "wide") == 0) return wide(argv);
    fprintf(stderr, "usage: %s launch NAME CLASS [ARGUMENT...] | test | null | wide\n", argv[0]);
    return 2;
}
