/* Prints "ran" and its arguments, each in brackets, on one line: the program
   that relaunch tests have the system start, under a path of their choice. */
#include <stdio.h>

int main(int argc, char** argv) {
    int i;
    printf("ran");
    for (i = 1; i < argc; ++i) printf(" [%s]", argv[i]);
    printf("\n");
    return 0;
}
