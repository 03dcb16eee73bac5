#pragma once

// The whole program of a launcher: the product object's construction runs
// the Java program (Tintavel's, or the one the description beside the
// launcher names); launch destroys the object and yields its exit value,
// which becomes the process exit status. All of it runs on a thread of its
// own whose stack the Java options decide; this one only waits for it.
int runTintavel(int argc, char** argv);
