package org.jvnet.substance.skin;

import com.mirobanth.substance.SkinStart;
import javax.swing.UIDefaults;
import javax.swing.UIManager;

/**
 * The skin that the launcher's -Xgraphite switch names. Raven Graphite lives
 * on in today's Substance library as Graphite, the dark grey skin this class
 * shows. Where the skin cannot be set up it gives way to the system look and
 * feel (see SkinStart).
 */
public class SubstanceRavenGraphiteLookAndFeel
        extends org.pushingpixels.substance.api.skin.SubstanceGraphiteLookAndFeel {
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
