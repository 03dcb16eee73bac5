package org.jvnet.substance.api.skin;

/**
 * The Gemini skin under the name that the launcher's -Xgemini switch passes:
 * the Substance library of today keeps it under its own package.
 */
public class SubstanceGeminiLookAndFeel
        extends org.pushingpixels.substance.api.skin.SubstanceGeminiLookAndFeel {
    private static final long serialVersionUID = 1L;
}
