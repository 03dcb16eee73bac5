package com.mirobanth.tests;

/** Throws from main into an uncaught-exception handler that throws too. */
public final class ThrowingHandler {
    private ThrowingHandler() {}

    public static void main(String[] args) {
        Thread.currentThread().setUncaughtExceptionHandler(new Thread.UncaughtExceptionHandler() {
            public void uncaughtException(Thread thread, Throwable problem) {
                throw new UnsupportedOperationException("the handler fails");
            }
        });
        throw new IllegalArgumentException("thrown by main");
    }
}
