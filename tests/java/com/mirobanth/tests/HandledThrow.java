package com.mirobanth.tests;

/** Installs an uncaught-exception handler on the main thread, then throws. */
public final class HandledThrow {
    public static void main(String[] args) {
        Thread.currentThread().setUncaughtExceptionHandler((thread, problem) -> {
            System.out.println("handler: " + thread.getName() + ": " + problem.getMessage());
            System.out.flush();
        });
        throw new IllegalArgumentException("handled elsewhere");
    }
}
