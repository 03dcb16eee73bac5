package com.mirobanth.tests;

/** A main method of the right signature that is not public. */
public final class PrivateMain {
    private static void main(String[] args) {
        System.out.println("never called");
    }
}
