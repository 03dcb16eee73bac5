/* A host written in C: it must compile against the flat header alone. */
#include <mirobanth/application/MirobanthApplication.h>

#include <stdio.h>
#include <string.h>

/* Every function given a null handle: each warns and answers neutrally. */
static void callWithNullHandles(void) {
    printf("data=[%s]\n", mbApplicationData(NULL, "key"));
    printf("name=[%s]\n", mbApplicationParameterName(NULL));
    printf("version=[%s]\n", mbApplicationParameterVersion(NULL));
    printf("exit=%d\n", mbApplicationExitValue(NULL));
    fflush(stdout);
    mbApplicationNotImplemented(NULL, "x");
    mbApplicationCheckForUpdates(NULL, NULL);
    mbApplicationDelete(NULL);
    printf("created=%d\n", mbApplicationCreateWithName(NULL) == NULL);
}

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    if (strcmp(argv[1], "test") == 0) {
        mbApplicationTest();
        return 0;
    }
    if (strcmp(argv[1], "nulls") == 0) {
        callWithNullHandles();
        return 0;
    }
    return 2;
}
