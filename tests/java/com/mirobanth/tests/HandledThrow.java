package com.mirobanth.tests;

/** Installs an uncaught-exception handler on the main thread, then throws. */
public final class HandledThrow {
    private HandledThrow() {}

    public static void main(String[] args) {
        Thread.currentThread().setUncaughtExceptionHandler(new Thread.UncaughtExceptionHandler() {
            public void uncaughtException(Thread thread, Throwable problem) {
                System.out.println("handler: " + thread.getName() + ": " + problem.getMessage());
                System.out.flush();
            }
        });
        throw new IllegalArgumentException("handled elsewhere");
    }
}
