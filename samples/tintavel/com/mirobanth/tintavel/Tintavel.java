package com.mirobanth.tintavel;

import com.mirobanth.runtime.LaunchReport;
import java.awt.BorderLayout;
import java.awt.Font;
import java.awt.Graphics2D;
import java.awt.GraphicsEnvironment;
import java.awt.image.BufferedImage;
import java.io.ByteArrayOutputStream;
import java.io.File;
import java.io.FileOutputStream;
import java.io.IOException;
import java.io.PrintStream;
import java.nio.file.FileAlreadyExistsException;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.StandardCopyOption;
import java.util.Arrays;
import java.util.List;
import java.util.Random;
import javax.imageio.ImageIO;
import javax.swing.BorderFactory;
import javax.swing.JButton;
import javax.swing.JFrame;
import javax.swing.JLabel;
import javax.swing.JPanel;
import javax.swing.JRootPane;
import javax.swing.JScrollPane;
import javax.swing.JTextArea;
import javax.swing.LookAndFeel;
import javax.swing.SwingUtilities;
import javax.swing.UIManager;
import javax.swing.WindowConstants;

/**
 * The sample product: prints what the launcher handed over and ends normally.
 * With --window and a display it also shows the report in a window, in the
 * look and feel the launcher asked for; the launcher then waits until the
 * window is closed. --snapshot=FILE (with --window) writes the window's
 * picture to FILE as PNG once it is on screen, and closes it; when it cannot
 * (FILE is a folder, the disk is full), FILE stays as it was and the program
 * ends with status 1.
 */
public final class Tintavel {
    private static final String SNAPSHOT = "--snapshot=";

    private Tintavel() {}

    public static void main(String[] args) {
        final List<String> report = LaunchReport.lines("Tintavel", args);
        PrintStream out = LaunchReport.utf8Out();
        for (String line : report) {
            out.println(line);
        }
        out.flush();
        List<String> arguments = Arrays.asList(args);
        if (arguments.contains("--window")) {
            showWindow(report, snapshotFile(arguments), out);
        }
    }

    private static File snapshotFile(List<String> arguments) {
        for (String argument : arguments) {
            if (argument.startsWith(SNAPSHOT)) {
                return new File(argument.substring(SNAPSHOT.length()));
            }
        }
        return null;
    }

    private static void showWindow(final List<String> report, final File snapshot,
            final PrintStream out) {
        if (GraphicsEnvironment.isHeadless()) {
            System.err.println("Tintavel: no display, the report stays on the console");
            return;
        }
        useAvailableLookAndFeel();
        SwingUtilities.invokeLater(() -> {
            JFrame frame = reportWindow(report);
            out.println("Look and feel: " + describe(UIManager.getLookAndFeel()));
            out.println("Window decorations: " + decorations(frame));
            out.flush();
            frame.setVisible(true);
            if (snapshot != null) {
                takeSnapshotLater(frame, snapshot);
            }
        });
    }

    // With a skin the launcher passes mirobanth.chrome: true asks for the
    // skin's own title bar and frame, false leaves them to the window system.
    private static JFrame reportWindow(List<String> report) {
        JFrame.setDefaultLookAndFeelDecorated(Boolean.getBoolean("mirobanth.chrome"));
        final JFrame frame = new JFrame("Tintavel launch report");
        frame.setDefaultCloseOperation(WindowConstants.DISPOSE_ON_CLOSE);

        JTextArea text = new JTextArea(String.join("\n", report));
        text.setEditable(false);
        text.setFont(new Font(Font.MONOSPACED, Font.PLAIN, 12));
        JButton close = new JButton("Close");
        close.addActionListener(event -> frame.dispose());
        JPanel bar = new JPanel(new BorderLayout());
        bar.setBorder(BorderFactory.createEmptyBorder(6, 8, 6, 8));
        bar.add(new JLabel(UIManager.getLookAndFeel().getName()), BorderLayout.CENTER);
        bar.add(close, BorderLayout.EAST);

        frame.add(new JScrollPane(text), BorderLayout.CENTER);
        frame.add(bar, BorderLayout.SOUTH);
        frame.getRootPane().setDefaultButton(close);
        frame.setSize(640, 400);
        frame.setLocationRelativeTo(null);
        return frame;
    }

    private static String describe(LookAndFeel lookAndFeel) {
        return lookAndFeel.getName() + " (" + lookAndFeel.getClass().getName() + ")";
    }

    private static String decorations(JFrame frame) {
        boolean own = frame.isUndecorated()
                && frame.getRootPane().getWindowDecorationStyle() != JRootPane.NONE;
        return own ? "the look and feel's own" : "the window system's";
    }

    // Once the window has been laid out and shown, its root pane (with the
    // look and feel's title bar, when it draws one) is painted into a picture.
    // A picture that cannot be written ends the program with status 1.
    private static void takeSnapshotLater(final JFrame frame, final File file) {
        SwingUtilities.invokeLater(() -> {
            JRootPane pane = frame.getRootPane();
            BufferedImage picture = new BufferedImage(pane.getWidth(), pane.getHeight(),
                    BufferedImage.TYPE_INT_RGB);
            Graphics2D graphics = picture.createGraphics();
            pane.paint(graphics);
            graphics.dispose();
            frame.dispose();
            try {
                writeSafely(picture, file.toPath());
            } catch (IOException | SecurityException failed) {
                System.err.println("Tintavel: cannot write " + file + ": " + failed.getMessage());
                System.exit(1);
            }
        });
    }

    // The picture goes to a new file beside the target, which then takes the
    // target's place in one step: a full disk or a failure on the way leaves
    // whatever the target held, and no partial file.
    private static void writeSafely(BufferedImage picture, Path target) throws IOException {
        if (Files.isDirectory(target)) {
            throw new IOException("it is a folder");
        }
        ByteArrayOutputStream png = new ByteArrayOutputStream();
        ImageIO.setUseCache(false);  // encoded in memory, no cache file elsewhere
        ImageIO.write(picture, "png", png);
        Path temporary = newFileBeside(target);
        try {
            try (FileOutputStream out = new FileOutputStream(temporary.toFile())) {
                png.writeTo(out);
                out.getFD().sync();
            }
            Files.move(temporary, target, StandardCopyOption.ATOMIC_MOVE);
        } finally {
            Files.deleteIfExists(temporary);
        }
    }

    // Created as any new file of the user's is, unlike a temporary file,
    // which only its owner may read.
    private static Path newFileBeside(Path target) throws IOException {
        Path folder = target.toAbsolutePath().getParent();
        Random random = new Random();
        while (true) {
            String name = "." + target.getFileName() + "." + Integer.toHexString(random.nextInt());
            try {
                return Files.createFile(folder.resolve(name));
            } catch (FileAlreadyExistsException taken) {
                // another name
            }
        }
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
