package org.jvnet.substance.skin;

/**
 * The skin that the launcher's -Xgraphite switch names. Raven Graphite lives
 * on in today's Substance library as Graphite, the dark grey skin this class
 * shows.
 */
public class SubstanceRavenGraphiteLookAndFeel
        extends org.pushingpixels.substance.api.skin.SubstanceGraphiteLookAndFeel {
    private static final long serialVersionUID = 1L;
}
