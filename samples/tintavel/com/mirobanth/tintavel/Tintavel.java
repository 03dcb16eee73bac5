package com.mirobanth.tintavel;

import com.mirobanth.runtime.LaunchReport;
import java.awt.Font;
import java.awt.GraphicsEnvironment;
import java.io.PrintStream;
import java.util.Arrays;
import java.util.List;
import javax.swing.JFrame;
import javax.swing.JScrollPane;
import javax.swing.JTextArea;
import javax.swing.SwingUtilities;
import javax.swing.UIManager;
import javax.swing.WindowConstants;

/**
 * The sample product: prints what the launcher handed over and ends normally.
 * With --window and a display it also shows the report in a window; the
 * launcher then waits until the window is closed.
 */
public final class Tintavel {
    private Tintavel() {}

    public static void main(String[] args) {
        final List<String> report = LaunchReport.lines("Tintavel", args);
        PrintStream out = LaunchReport.utf8Out();
        for (String line : report) {
            out.println(line);
        }
        out.flush();
        if (Arrays.asList(args).contains("--window")) {
            showWindow(report);
        }
    }

    private static void showWindow(final List<String> report) {
        if (GraphicsEnvironment.isHeadless()) {
            System.err.println("Tintavel: no display, the report stays on the console");
            return;
        }
        useAvailableLookAndFeel();
        SwingUtilities.invokeLater(new Runnable() {
            public void run() {
                JTextArea text = new JTextArea(String.join("\n", report));
                text.setEditable(false);
                text.setFont(new Font(Font.MONOSPACED, Font.PLAIN, 13));
                JFrame frame = new JFrame("Tintavel launch report");
                frame.setDefaultCloseOperation(WindowConstants.DISPOSE_ON_CLOSE);
                frame.add(new JScrollPane(text));
                frame.setSize(720, 420);
                frame.setLocationRelativeTo(null);
                frame.setVisible(true);
            }
        });
    }

    // The launcher names a look and feel that may be missing (a skin whose
    // jar is not in ext/); Swing would refuse to start with it.
    private static void useAvailableLookAndFeel() {
        String requested = System.getProperty("swing.defaultlaf");
        if (requested == null) {
            return;
        }
        try {
            Class.forName(requested);
        } catch (Throwable missing) {
            String fallback = UIManager.getCrossPlatformLookAndFeelClassName();
            System.err.println("Tintavel: " + requested + " is not available, using " + fallback);
            System.setProperty("swing.defaultlaf", fallback);
        }
    }
}
