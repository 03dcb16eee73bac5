package com.mirobanth.substance;

import java.lang.management.ManagementFactory;
import java.lang.management.ThreadInfo;
import java.lang.management.ThreadMXBean;
import javax.swing.LookAndFeel;
import javax.swing.SwingUtilities;
import javax.swing.UIManager;

/**
 * Whether a skin can be set up on the thread that installs it, and what takes
 * its place where it cannot.
 *
 * <p>Substance sets its skin up on the event thread; called on any other, it
 * hands the work over and waits. When a program first touches Swing outside
 * the event thread, UIManager installs the default look and feel while that
 * thread holds UIManager's lock, and the event thread needs that lock for the
 * skin: the wait would never end. There the skin gives way to the system look
 * and feel and says so.
 */
public final class SkinStart {
    private SkinStart() {}

    /** Why the skin cannot be set up on this thread now, or null when it can. */
    public static String obstacle() {
        if (SwingUtilities.isEventDispatchThread()) {
            return null;
        }
        try {
            if (!holdsUIManager()) {
                return null;
            }
            return "Swing was first used on thread \"" + Thread.currentThread().getName()
                    + "\", which keeps the event thread from setting the skin up";
        } catch (SecurityException | LinkageError unknown) {
            return "cannot tell whether the event thread can set the skin up (" + unknown + ")";
        }
    }

    /**
     * Installs the system look and feel in the place of skin, which is being
     * installed and stays unused, and says why on standard error.
     */
    public static void giveWay(LookAndFeel skin, String obstacle) {
        String system = UIManager.getSystemLookAndFeelClassName();
        System.err.println(skin.getName() + " (" + skin.getClass().getName() + "): " + obstacle
                + "; using " + system + " instead");
        try {
            UIManager.setLookAndFeel(system);
        } catch (Exception impossible) {
            // The system's look and feel is one the runtime supports.
            throw new IllegalStateException("cannot install " + system, impossible);
        }
    }

    // Another thread asks UIManager for the look and feel. It gets through
    // unless it waits for a lock that this thread holds, and then it waits
    // until this thread lets go, harmlessly.
    private static boolean holdsUIManager() {
        Thread probe = new Thread(UIManager::getLookAndFeel, "Substance skin probe");
        probe.setDaemon(true);
        probe.start();
        ThreadMXBean threads = ManagementFactory.getThreadMXBean();
        long self = Thread.currentThread().getId();
        boolean interrupted = false;
        try {
            while (probe.isAlive()) {
                ThreadInfo state = threads.getThreadInfo(probe.getId());
                if (state != null && state.getLockOwnerId() == self) {
                    return true;
                }
                try {
                    probe.join(1);
                } catch (InterruptedException later) {
                    interrupted = true;  // kept for the program, once the answer is known
                }
            }
            return false;
        } finally {
            if (interrupted) {
                Thread.currentThread().interrupt();
            }
        }
    }
}
