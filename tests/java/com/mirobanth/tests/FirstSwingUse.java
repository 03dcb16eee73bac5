package com.mirobanth.tests;

import javax.swing.LookAndFeel;
import javax.swing.SwingUtilities;
import javax.swing.UIManager;

/**
 * Touches Swing for the first time on the thread its argument names ("main"
 * or "event") and prints the look and feel in effect and the system's.
 */
public final class FirstSwingUse {
    private FirstSwingUse() {}

    public static void main(String[] args) throws Exception {
        Runnable report = () -> {
            LookAndFeel inEffect = UIManager.getLookAndFeel();
            System.out.println("Look and feel: " + inEffect.getName() + " ("
                    + inEffect.getClass().getName() + ")");
            System.out.println("System look and feel: " + UIManager.getSystemLookAndFeelClassName());
        };
        if ("event".equals(args[0])) {
            SwingUtilities.invokeAndWait(report);
        } else {
            report.run();
        }
    }
}
