package com.mirobanth.tintavel;

import java.io.BufferedOutputStream;
import java.io.FileDescriptor;
import java.io.FileOutputStream;
import java.io.PrintStream;
import java.io.UnsupportedEncodingException;

/**
 * Stands in for the product in the launcher's tests and runs as well under
 * java: how deep main can recurse before its stack overflows, then each
 * argument as UTF-8 on a line of its own.
 */
public final class Tintavel {
    private static int depth;

    private Tintavel() {}

    public static void main(String[] args) throws UnsupportedEncodingException {
        try {
            descend();
        } catch (StackOverflowError expected) {
            // the depth is what this program reports
        }
        PrintStream out = new PrintStream(
                new BufferedOutputStream(new FileOutputStream(FileDescriptor.out)), false, "UTF-8");
        out.println("depth=" + depth);
        for (String argument : args) {
            out.println(argument);
        }
        out.flush();
    }

    private static void descend() {
        depth++;
        descend();
    }
}
