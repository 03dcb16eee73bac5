package com.mirobanth.tests;

import java.awt.image.BufferedImage;
import java.io.File;
import java.io.IOException;
import javax.imageio.ImageIO;

/**
 * Checks a claim about two pictures (PNG files):
 *   ComparePictures same A B [ROWS]        they show the same pixels
 *   ComparePictures different A B [ROWS]   they do not
 * With ROWS, only that many rows from the top count.
 * Colour and opacity may differ by a rounding error; where both pixels are
 * fully transparent the colour does not count. Exits 0 when the claim holds,
 * 1 when it does not (saying where the pictures differ), 2 when a picture
 * cannot be read.
 */
public final class ComparePictures {
    private static final int TOLERANCE = 2;

    private ComparePictures() {}

    public static void main(String[] args) {
        if (args.length < 3 || args.length > 4
                || !(args[0].equals("same") || args[0].equals("different"))) {
            System.err.println("usage: ComparePictures same|different A B [ROWS]");
            System.exit(2);
        }
        int rows = args.length == 4 ? Integer.parseInt(args[3]) : Integer.MAX_VALUE;
        String difference;
        try {
            difference = difference(read(args[1]), read(args[2]), rows);
        } catch (IOException unreadable) {
            System.err.println(unreadable.getMessage());
            System.exit(2);
            return;
        }
        boolean same = difference == null;
        if (same == args[0].equals("same")) {
            return;
        }
        System.err.println(same ? args[1] + " and " + args[2] + " show the same pixels"
                                : args[1] + " and " + args[2] + " differ: " + difference);
        System.exit(1);
    }

    private static BufferedImage read(String path) throws IOException {
        BufferedImage picture = ImageIO.read(new File(path));
        if (picture == null) {
            throw new IOException(path + " is no picture");
        }
        return picture;
    }

    /** Where the pictures' top rows differ first, or null when they do not. */
    private static String difference(BufferedImage a, BufferedImage b, int rows) {
        if (a.getWidth() != b.getWidth() || a.getHeight() != b.getHeight()) {
            return "size " + a.getWidth() + "x" + a.getHeight() + " against " + b.getWidth()
                    + "x" + b.getHeight();
        }
        for (int y = 0; y < Math.min(rows, a.getHeight()); y++) {
            for (int x = 0; x < a.getWidth(); x++) {
                if (!alike(a.getRGB(x, y), b.getRGB(x, y))) {
                    return String.format("pixel (%d, %d) is %08x against %08x", x, y,
                            a.getRGB(x, y), b.getRGB(x, y));
                }
            }
        }
        return null;
    }

    private static boolean alike(int argbA, int argbB) {
        if (argbA >>> 24 == 0 && argbB >>> 24 == 0) {
            return true;
        }
        for (int shift = 0; shift < 32; shift += 8) {
            int channelA = (argbA >>> shift) & 0xff;
            int channelB = (argbB >>> shift) & 0xff;
            if (Math.abs(channelA - channelB) > TOLERANCE) {
                return false;
            }
        }
        return true;
    }
}
