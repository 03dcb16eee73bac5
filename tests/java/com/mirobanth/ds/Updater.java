package com.mirobanth.ds;

/** Stands in for a product's update entry point, which the launcher only probes. */
public final class Updater {
    public static void update() {
        System.out.println("update must not be called");
    }
}
