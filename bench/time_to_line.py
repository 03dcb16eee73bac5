#!/usr/bin/env python3
"""Times named commands to a line they print, or to their end, interleaved.

    time_to_line.py ROUNDS REFERENCE LINE NAME=COMMAND... [NAME:prepare=COMMAND]...

Each round runs every command once, in an order shuffled anew, so that a slow
spell of the machine hits them all. A command's time runs from its start to
the first line of its standard output that equals LINE ("" for its end); what
it does after that line (an archive written at its end) is not counted, but it
must end with status 0 before the next one starts. A NAME:prepare command
runs, untimed, before each run of NAME. Prints the median and the fastest
run in milliseconds and their ratios to REFERENCE, as a table."""
import random
import shlex
import statistics
import subprocess
import sys
import time


def timed(command, line):
    start = time.perf_counter()
    child = subprocess.Popen(shlex.split(command), stdout=subprocess.PIPE, text=True)
    elapsed = None
    for printed in child.stdout:
        if line and elapsed is None and printed.rstrip("\n") == line:
            elapsed = time.perf_counter() - start
    if child.wait() != 0:
        sys.exit(f"{command} ended with {child.returncode}")
    if elapsed is None and line:
        sys.exit(f"{command} never printed {line!r}")
    return elapsed if line else time.perf_counter() - start


def main():
    rounds, reference, line = int(sys.argv[1]), sys.argv[2], sys.argv[3]
    commands, prepare = {}, {}
    for argument in sys.argv[4:]:
        name, command = argument.split("=", 1)
        if name.endswith(":prepare"):
            prepare[name[: -len(":prepare")]] = command
        else:
            commands[name] = command
    times = {name: [] for name in commands}
    for _ in range(rounds):
        order = list(commands)
        random.shuffle(order)
        for name in order:
            if name in prepare:
                subprocess.run(shlex.split(prepare[name]), check=True)
            times[name].append(timed(commands[name], line) * 1000)
    median = {name: statistics.median(samples) for name, samples in times.items()}
    fastest = {name: min(samples) for name, samples in times.items()}
    print(f"| command | median ms | × {reference} | fastest ms | × {reference} |")
    print("|---|---:|---:|---:|---:|")
    for name in commands:
        print(f"| {name} | {median[name]:.1f} | {median[name] / median[reference]:.2f} "
              f"| {fastest[name]:.1f} | {fastest[name] / fastest[reference]:.2f} |")


main()
