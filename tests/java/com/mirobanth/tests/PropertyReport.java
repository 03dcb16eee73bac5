package com.mirobanth.tests;

/** Prints the system properties named as arguments, one "name=value" a line. */
public final class PropertyReport {
    public static void main(String[] args) {
        for (String name : args) {
            System.out.println(name + "=" + System.getProperty(name, "<unset>"));
        }
    }
}
