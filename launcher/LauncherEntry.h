#pragma once

// The whole program of a launcher: the product object's construction runs
// the Java program (Tintavel's, or the one the description beside the
// launcher names); launch destroys the object and yields its exit value,
// which becomes the process exit status.
int runTintavel(int argc, char** argv);
