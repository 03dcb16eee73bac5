#pragma once

// The whole program of a Tintavel launcher: the product object's construction
// runs the Java program; launch destroys the object and yields its exit
// value, which becomes the process exit status.
int runTintavel(int argc, char** argv);
