/* Runs a program with a given number of extra arguments, by replacing itself
   with it, so that the benchmark can pass more arguments than a single command
   text may hold:

     with_arguments COUNT PROGRAM [ARGUMENT...]

   The extra arguments, "1", "2", ..., follow the given ones: numbers, short
   enough that 100,000 of them fit into the system's argument space. */
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

int main(int argc, char** argv) {
    long count = argc > 2 ? strtol(argv[1], NULL, 10) : -1;
    int given = argc - 2;
    char** arguments;
    long i;
    if (count < 0) {
        fprintf(stderr, "usage: with_arguments COUNT PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    arguments = calloc((size_t)(given + count + 1), sizeof(char*));
    if (!arguments) return 2;
    for (i = 0; i < given; ++i) arguments[i] = argv[i + 2];
    for (i = 0; i < count; ++i) {
        char* text = malloc(24);
        if (!text) return 2;
        snprintf(text, 24, "%ld", i + 1);
        arguments[given + i] = text;
    }
    execv(arguments[0], arguments);
    perror(arguments[0]);
    return 127;
}
