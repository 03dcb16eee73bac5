package org.jvnet.substance.api.skin;

import com.mirobanth.substance.SkinStart;
import javax.swing.UIDefaults;
import javax.swing.UIManager;

/**
 * The Gemini skin under the name that the launcher's -Xgemini switch passes:
 * the Substance library of today keeps it under its own package. Where the
 * skin cannot be set up it gives way to the system look and feel (see
 * SkinStart).
 */
public class SubstanceGeminiLookAndFeel
        extends org.pushingpixels.substance.api.skin.SubstanceGeminiLookAndFeel {
    private static final long serialVersionUID = 1L;
    private boolean setUp;

    @Override
    public void initialize() {
        String obstacle = SkinStart.obstacle();
        setUp = obstacle == null;
        if (setUp) {
            super.initialize();
        } else {
            SkinStart.giveWay(this, obstacle);
        }
    }

    @Override
    public void uninitialize() {
        if (setUp) {
            super.uninitialize();
        }
    }

    @Override
    public UIDefaults getDefaults() {
        return setUp ? super.getDefaults() : UIManager.getLookAndFeelDefaults();
    }
}
