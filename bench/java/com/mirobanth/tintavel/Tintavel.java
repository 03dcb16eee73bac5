package com.mirobanth.tintavel;

/**
 * The benchmark's product: the product class the launcher starts, doing
 * nothing, so that a run measures the launch alone.
 */
public final class Tintavel {
    private Tintavel() {}

    public static void main(String[] args) {}
}
