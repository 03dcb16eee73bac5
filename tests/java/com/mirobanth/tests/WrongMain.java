package com.mirobanth.tests;

/** A main method that takes one string instead of a string array. */
public final class WrongMain {
    public static void main(String argument) {
        System.out.println("never called with " + argument);
    }
}
