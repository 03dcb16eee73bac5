package com.mirobanth.tests;

/** A main method that ends with an exception nobody catches. */
public final class ThrowingMain {
    public static void main(String[] args) {
        throw new IllegalStateException("thrown by main");
    }
}
