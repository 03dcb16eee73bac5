#!/usr/bin/env python3
"""What the dynamic loader spends starting the launcher of each product
folder given: the median of its own start-up time (LD_DEBUG=statistics) over
RUNS runs and the relocations it processed before main. For comparing builds
with different link options.

    loader_statistics.py RUNS PRODUCT_FOLDER..."""
import os
import re
import statistics
import subprocess
import sys


def loader_statistics(folder, runs):
    env = dict(os.environ, MIROBANTH_SILENT="1", LD_DEBUG="statistics")
    cycles = []
    for _ in range(runs):
        run = subprocess.run([os.path.join(folder, "Tintavel64-Console")], cwd=folder, env=env,
                             capture_output=True, text=True, check=True)
        cycles.append(int(re.search(r"startup time in dynamic loader: (\d+)", run.stderr)[1]))
        relocations = int(re.search(r"number of relocations: (\d+)", run.stderr)[1])
    return statistics.median(cycles), relocations


runs = int(sys.argv[1])
print("| product folder | loader k cycles | relocations at start |")
print("|---|---:|---:|")
for folder in sys.argv[2:]:
    cycles, relocations = loader_statistics(folder, runs)
    print(f"| {folder} | {cycles / 1000:.0f} | {relocations} |")
