package com.mirobanth.tests;

/** Throws from main into an uncaught-exception handler that throws too. */
public final class ThrowingHandler {
    public static void main(String[] args) {
        Thread.currentThread().setUncaughtExceptionHandler((thread, problem) -> {
            throw new UnsupportedOperationException("the handler fails");
        });
        throw new IllegalArgumentException("thrown by main");
    }
}
