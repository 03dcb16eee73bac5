package com.mirobanth.tests;

/** main returns while a non-daemon thread still has work to finish. */
public final class NonDaemonWorker {
    public static void main(String[] args) {
        Thread worker = new Thread(() -> {
            try {
                Thread.sleep(800);
            } catch (InterruptedException stopped) {
                return;
            }
            System.out.println("worker finished");
            System.out.flush();
        }, "worker");
        worker.setDaemon(false);
        worker.start();
        System.out.println("main returns");
        System.out.flush();
    }
}
