package com.mirobanth.tests;

import java.io.PrintStream;

/**
 * Prints how many arguments main received and each one as UTF-8, with its
 * length in UTF-16 units, so that a test sees every character and every
 * empty argument exactly.
 */
public final class ArgumentReport {
    public static void main(String[] args) throws Exception {
        PrintStream out = new PrintStream(System.out, true, "UTF-8");
        out.println("count=" + args.length);
        for (int i = 0; i < args.length; i++) {
            out.println("[" + i + "] length=" + args[i].length() + " <" + args[i] + ">");
        }
    }
}
