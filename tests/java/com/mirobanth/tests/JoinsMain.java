package com.mirobanth.tests;

/**
 * A non-daemon thread that waits for the main thread to end: it can only
 * finish when the launcher lets the main thread go before it waits for the
 * VM's other threads.
 */
public final class JoinsMain {
    public static void main(String[] args) {
        final Thread main = Thread.currentThread();
        Thread watcher = new Thread(() -> {
            try {
                main.join();
            } catch (InterruptedException stopped) {
                return;
            }
            System.out.println("main thread ended");
            System.out.flush();
        }, "watcher");
        watcher.start();
        System.out.println("main returns");
        System.out.flush();
    }
}
