package com.mirobanth.bench;

import java.awt.event.WindowAdapter;
import java.awt.event.WindowEvent;
import javax.swing.JButton;
import javax.swing.JCheckBox;
import javax.swing.JComboBox;
import javax.swing.JFrame;
import javax.swing.JLabel;
import javax.swing.JMenu;
import javax.swing.JMenuBar;
import javax.swing.JPanel;
import javax.swing.JTextField;
import javax.swing.SwingUtilities;

/** A small Swing window that says "window opened" when it is shown, then ends. */
public final class FirstWindow {
    private FirstWindow() {}

    public static void main(String[] args) {
        SwingUtilities.invokeLater(FirstWindow::show);
    }

    private static void show() {
        JFrame frame = new JFrame("First window");
        JPanel panel = new JPanel();
        panel.add(new JLabel("Name"));
        panel.add(new JTextField(20));
        panel.add(new JCheckBox("Remember"));
        panel.add(new JComboBox<>(new String[] {"one", "two"}));
        panel.add(new JButton("OK"));
        JMenuBar menus = new JMenuBar();
        menus.add(new JMenu("File"));
        frame.setJMenuBar(menus);
        frame.add(panel);
        frame.addWindowListener(new WindowAdapter() {
            @Override
            public void windowOpened(WindowEvent event) {
                System.out.println("window opened");
                System.out.flush();
                System.exit(0);
            }
        });
        frame.pack();
        frame.setVisible(true);
    }
}
