package com.mirobanth.tests;

/** A class without any main method. */
public final class NoMain {
    public static void helper() {}
}
