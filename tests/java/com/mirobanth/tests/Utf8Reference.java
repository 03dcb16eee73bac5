package com.mirobanth.tests;

import java.io.BufferedReader;
import java.io.IOException;
import java.io.InputStreamReader;
import java.nio.charset.StandardCharsets;

/**
 * Java's own reading of UTF-8: for each line of hexadecimal bytes on standard
 * input, the UTF-16 units of new String(bytes, UTF_8), four hexadecimal digits
 * each, on one line of standard output.
 */
public final class Utf8Reference {
    public static void main(String[] args) throws IOException {
        BufferedReader in =
                new BufferedReader(new InputStreamReader(System.in, StandardCharsets.US_ASCII));
        StringBuilder out = new StringBuilder();
        for (String line = in.readLine(); line != null; line = in.readLine()) {
            byte[] bytes = new byte[line.length() / 2];
            for (int i = 0; i < bytes.length; ++i) {
                bytes[i] = (byte) Integer.parseInt(line.substring(2 * i, 2 * i + 2), 16);
            }
            for (char unit : new String(bytes, StandardCharsets.UTF_8).toCharArray()) {
                out.append(String.format("%04x", (int) unit));
            }
            out.append('\n');
        }
        System.out.print(out);
    }
}
