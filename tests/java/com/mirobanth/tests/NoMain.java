package com.mirobanth.tests;

/** A class without any main method. */
public final class NoMain {
    private NoMain() {}

    public static void helper() {}
}
