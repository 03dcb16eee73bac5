package com.mirobanth.tests;

/** "return" returns normally; "exit N" ends the VM with System.exit(N). */
public final class ExitWith {
    public static void main(String[] args) {
        if (args.length == 2 && args[0].equals("exit")) {
            System.out.println("exiting with " + args[1]);
            System.exit(Integer.parseInt(args[1]));
        }
        System.out.println("returning");
    }
}
