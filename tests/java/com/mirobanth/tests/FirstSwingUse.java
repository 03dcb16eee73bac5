package com.mirobanth.tests;

import javax.swing.LookAndFeel;
import javax.swing.SwingUtilities;
import javax.swing.UIManager;

/** First touches Swing on the thread args[0] names ("main", "event"): the look and feel in effect. */
public final class FirstSwingUse {
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
