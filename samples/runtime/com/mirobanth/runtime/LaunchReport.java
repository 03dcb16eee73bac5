package com.mirobanth.runtime;

import java.io.FileDescriptor;
import java.io.FileOutputStream;
import java.io.PrintStream;
import java.io.UnsupportedEncodingException;
import java.util.ArrayList;
import java.util.List;

/**
 * What a product started by the native launcher received: its arguments and
 * the system properties that the launcher's VM options set.
 */
public final class LaunchReport {
    /** The properties behind the launcher's eight VM options, in option order. */
    private static final String[] LAUNCHER_PROPERTIES = {
        "mirobanth.nx",
        "java.class.path",
        "java.library.path",
        "mirobanth.override",
        "swing.defaultlaf",
        "mirobanth.ignore",
        "mirobanth.chrome",
        "mirobanth.ignore1",
        "java.security.manager",
        "mirobanth.ignore2",
        "java.security.policy",
    };

    private LaunchReport() {}

    /** The report as lines: a title, the arguments one a line, the properties. */
    public static List<String> lines(String product, String[] args) {
        List<String> lines = new ArrayList<String>();
        lines.add(product + " launch report");
        lines.add("Java " + System.getProperty("java.version") + " ("
                + System.getProperty("java.vm.name") + ") on " + System.getProperty("os.name")
                + " " + System.getProperty("os.arch"));
        lines.add("Arguments: " + args.length);
        for (int i = 0; i < args.length; i++) {
            lines.add("  [" + i + "] " + args[i]);
        }
        lines.add("Launcher properties:");
        for (String name : LAUNCHER_PROPERTIES) {
            String value = System.getProperty(name);
            if (value != null) {
                lines.add("  " + name + "=" + value);
            }
        }
        return lines;
    }

    /**
     * Standard output that writes UTF-8 whatever the locale says, so that
     * arguments outside ASCII reach the terminal as they arrived.
     */
    public static PrintStream utf8Out() {
        try {
            return new PrintStream(new FileOutputStream(FileDescriptor.out), true, "UTF-8");
        } catch (UnsupportedEncodingException impossible) {
            return System.out;
        }
    }
}
