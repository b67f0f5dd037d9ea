#!/usr/bin/python3
"""Runs the order-of-growth probe under callgrind and checks how the instruction count of each
of its actions grows from the smaller size to the ten times larger one: linear work grows about
tenfold and must stay far below the hundredfold of quadratic work, work that must not grow with
the size must stay far below tenfold. An instruction count does not depend on the machine's
load, so this never fails on a busy machine; how fast the actions are is the benchmark's part.

    usage: growth_check.py PROBE
"""
import os
import subprocess
import sys
import tempfile
from pathlib import Path

# Largest allowed growth for a size ten times larger.
LIMITS = {"linear": 25, "constant": 3}
DUMP_NAME = "desc: Trigger: Client Request: "


def counts(out_dir):
    """{(action, growth): {size: instructions}} from callgrind's dump files."""
    found = {}
    for path in Path(out_dir).glob("callgrind.out.*"):
        name = total = None
        for line in path.read_text(errors="replace").splitlines():
            if line.startswith(DUMP_NAME):
                name = line[len(DUMP_NAME):]
            elif line.startswith("totals: "):
                total = int(line.split()[1])
        if name is not None:
            action, growth, size = name.split()
            found.setdefault((action, growth), {})[int(size)] = total
    return found


def main():
    probe = sys.argv[1]
    with tempfile.TemporaryDirectory() as out_dir:
        command = ["valgrind", "--tool=callgrind", "--instr-atstart=no", "--collect-atstart=no",
                   f"--callgrind-out-file={out_dir}/callgrind.out", probe]
        try:
            run = subprocess.run(command, capture_output=True, text=True, timeout=240)
        except subprocess.TimeoutExpired:
            sys.exit("FAIL: the probe did not finish in 240 s: some action has grown past linear")
        if run.returncode != 0:
            sys.exit(f"FAIL: the probe ended with status {run.returncode}\n{run.stderr}")
        found = counts(out_dir)
    if not found:
        sys.exit("FAIL: callgrind counted no action")
    failed = False
    for (action, growth), by_size in sorted(found.items()):
        small, large = sorted(by_size)
        ratio = by_size[large] / by_size[small]
        verdict = "ok" if ratio <= LIMITS[growth] else "FAIL"
        failed |= verdict == "FAIL"
        print(f"{verdict}: {action}: {by_size[small]:,} instructions at {small}, "
              f"{by_size[large]:,} at {large}: {ratio:.1f}x ({growth}, at most "
              f"{LIMITS[growth]}x)")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
