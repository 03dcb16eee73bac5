#!/usr/bin/env python3
"""Times named commands with hyperfine and prints medians, ratios to a
reference and peak memory.

    report.py ROUNDS RUNS REFERENCE NAME=COMMAND...

Each round runs every command RUNS times, one hyperfine call per round, so
that the commands take turns and a slow spell of the machine hits them all;
many short rounds spread such spells best. The fastest run shows what each
command costs when nothing else interferes.
Peak memory is the largest resident size a run reached (wait4), median over
RUNS runs."""
import json
import os
import shlex
import statistics
import subprocess
import sys
import tempfile


def hyperfine_round(commands, runs):
    with tempfile.NamedTemporaryFile(suffix=".json") as export:
        subprocess.run(["hyperfine", "-N", "--style", "none", "--warmup", "1", "--runs", str(runs),
                        "--export-json", export.name, *commands.values()],
                       check=True, stdout=subprocess.DEVNULL)
        results = json.load(open(export.name))["results"]
    return {name: result["times"] for name, result in zip(commands, results)}


def peak_memory_kib(command, runs):
    peaks = []
    for _ in range(runs):
        child = subprocess.Popen(shlex.split(command), stdout=subprocess.DEVNULL)
        _, status, usage = os.wait4(child.pid, 0)
        if os.waitstatus_to_exitcode(status) != 0:
            sys.exit(f"{command} failed")
        peaks.append(usage.ru_maxrss)
    return statistics.median(peaks)


def main():
    rounds, runs, reference = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
    commands = dict(argument.split("=", 1) for argument in sys.argv[4:])
    times = {name: [] for name in commands}
    for _ in range(rounds):
        for name, samples in hyperfine_round(commands, runs).items():
            times[name] += samples
    medians = {name: statistics.median(samples) * 1000 for name, samples in times.items()}
    fastest = {name: min(samples) * 1000 for name, samples in times.items()}
    memory = {name: peak_memory_kib(command, runs) for name, command in commands.items()}
    print(f"| command | median ms | × {reference} | fastest ms | × {reference} | peak MiB "
          "| Δ peak MiB |")
    print("|---|---:|---:|---:|---:|---:|---:|")
    for name in commands:
        print(f"| {name} | {medians[name]:.2f} | {medians[name] / medians[reference]:.3f} "
              f"| {fastest[name]:.2f} | {fastest[name] / fastest[reference]:.3f} "
              f"| {memory[name] / 1024:.1f} | {(memory[name] - memory[reference]) / 1024:+.2f} |")


main()
