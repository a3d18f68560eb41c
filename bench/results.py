#!/usr/bin/env python3
"""Writes bench/RESULTS.md from the figures of two runs: before and now."""
import datetime
import json
import os
import sys

POOLS = {"0": "empty pool", "1": "only the wanted number left", "2": "one left"}
ANSWER_MODES = {"0": "sequential practice", "1": "mock exam"}
START_MODES = {"0": "sequential practice", "1": "mock practice", "2": "mock exam"}


NOTES = """
## What the floors are

- **Draw**: the program's statements in the program's order, prepared once, in one
  transaction, each category's pool read once and probed in memory. Pool states are set before
  every iteration, outside the timing: empty; only as many unused questions per chapter as the
  paper takes (42/26/22/10); one unused question per chapter, so the pool is cleared mid-draw.
- **Answer**: the UPDATE of MARK, the next question's ANSWER/MARK lookup and, in sequential
  practice, the two counts, with a page cache that holds the whole bank. The program's figure
  also lays out and repaints the question panel, which the floor does not.
- **Start of a mode**: the plain `update … set mark=5`, then the question list (sequential
  practice) or the draw (paper modes), after an exercise with 100 answers.
- **Hand-in**: the score count. **Wrong-answer list**: both SELECTs and the same text put into a
  plain text box.
- **Record window**: the statements the window runs (newest bank, readiness, count, the
  table's first page, the chart's newest 50, the chapter sums, the book sizes, the damaged
  rows) as plain SQLCipher calls; the program's figure also lays out and paints the window.
- **Start-up**: `bench_startup` forks the program and waits for the X server's MapNotify of its
  first top-level window (Xvfb, no window manager), against a bare Qt window that first opens
  the keyed database; medians of 11 runs.
- **Key 9 to the first sound**: what runs before key 9 returns: the reading text of a long
  question with its choices and the synthesis of its first sentence, handed to an output that
  keeps the samples; the floor synthesises the whole question first, as a reading without
  streaming would before its first sample.
- **Peak memory**: the largest resident set of a process that runs a whole mock exam (draw, an
  answer to every question, hand-in), against a bare shown window plus the same statements.

Before: rollback journal, `synchronous = FULL`, one autocommit per statement. Now: the
program's connection writes through a WAL with `synchronous = FULL` (one sync of the log per
commit), and the floors use the same settings, read from the program's connection.
"""


def load(folder, name):
    try:
        with open(os.path.join(folder, name)) as f:
            return json.load(f)
    except (OSError, ValueError):
        return None


def medians(run):
    """{(kind, side, args): median ms} from a Google Benchmark JSON file."""
    figures = {}
    if not run:
        return figures
    for bench in run["benchmarks"]:
        if bench.get("aggregate_name", "median") != "median":
            continue
        parts = bench["run_name"].split("/")
        kind, side = parts[0], parts[1]
        args = tuple(p for p in parts[2:] if ":" not in p and p != "real_time")
        figures[(kind, side, args)] = bench["real_time"]
    return figures


def bank_name(size):
    return "shipped (B2)" if size == 0 else f"{size:,}"


def fmt(value):
    if value is None:
        return "–"
    return f"{value:.3g}" if value < 100 else f"{value:.0f}"


def ratio(value, floor):
    if value is None or not floor:
        return "–"
    return f"{value / floor:.2f}×"


def main():
    before_dir, now_dir = sys.argv[1], sys.argv[2]
    before, now = medians(load(before_dir, "exam.json")), medians(load(now_dir, "exam.json"))
    before.update(medians(load(before_dir, "read-aloud.json")))
    now.update(medians(load(now_dir, "read-aloud.json")))
    context = (load(now_dir, "exam.json") or {}).get("context", {})
    print("# Benchmarks\n")
    print(f"Written by `bench/run.sh` on {datetime.date.today().isoformat()}, "
          f"{context.get('num_cpus', os.cpu_count())} cores "
          f"(shared with other work: read the ratios, measured in the same run, "
          f"rather than the absolute times). Times are medians of three passes in ms; each "
          f"floor is the same work as plain SQLCipher calls on a copy of the same file with "
          f"the same journal settings. Banks are made up by `tools/bench_bank`.\n")
    print("| Operation | Bank | Before | Floor then | Ratio | Now | Floor now | Ratio | Target |")
    print("|---|---|---|---|---|---|---|---|---|")

    def row(label, kind, args, bank, target):
        b, bf = before.get((kind, "program", args)), before.get((kind, "floor", args))
        n, nf = now.get((kind, "program", args)), now.get((kind, "floor", args))
        print(f"| {label} | {bank} | {fmt(b)} | {fmt(bf)} | {ratio(b, bf)} | {fmt(n)} | "
              f"{fmt(nf)} | {ratio(n, nf)} | {target} |")

    sizes = sorted({int(a[0]) for (k, _, a) in now if k == "draw"} |
                   {int(a[0]) for (k, _, a) in before if k == "draw"})
    for size in sizes:
        for pool, name in POOLS.items():
            row(f"Draw, {name}", "draw", (str(size), pool), bank_name(size),
                "≤ 3×, < 10 ms" if size == 0 else "≤ 3×")
    for size in sizes:
        for mode, name in ANSWER_MODES.items():
            row(f"Answer key, pause 0, {name}", "answer", (str(size), mode), bank_name(size),
                "≤ 2×" if size == 30000 else "< 4 ms" if size == 0 else "–")
    sizes = [size for size in sizes if size]
    for size in sizes:
        for mode, name in START_MODES.items():
            row(f"Start of {name} (100 answered before)", "start", (str(size), mode),
                f"{size:,}", "≤ 2× at 30,000")
    for size in sizes:
        row("Hand-in", "handin", (str(size),), f"{size:,}", "–")
    for size in sizes:
        row("Wrong-answer list, 40 entries", "wronglist", (str(size),), f"{size:,}", "≤ 2×")

    record = medians(load(now_dir, "record.json"))
    record_before = medians(load(before_dir, "record.json"))
    for papers in sorted({int(a[0]) for (k, _, a) in record if k == "record"}):
        args = (str(papers),)
        b, bf = record_before.get(("record", "program", args)), record_before.get(
            ("record", "floor", args))
        n, nf = record.get(("record", "program", args)), record.get(("record", "floor", args))
        print(f"| Record window opened and drawn | {papers:,} papers | {fmt(b)} | {fmt(bf)} | "
              f"{ratio(b, bf)} | {fmt(n)} | {fmt(nf)} | {ratio(n, nf)} | "
              f"{'< 1000 ms' if papers == 100000 else '–'} |")

    row("Key 9 to the first sound (floor: the whole question synthesised first)", "readaloud",
        (), "one long question", "< 150 ms")

    def process_row(label, name, key, floor_name, floor_key, unit, target, scale=1.0):
        values = []
        for folder in (before_dir, now_dir):
            program, floor = load(folder, name), load(folder, floor_name)
            p = program.get(key) * scale if program else None
            f = floor.get(floor_key) * scale if floor else None
            values += [fmt(p), fmt(f), ratio(p, f)]
        print(f"| {label} | shipped | " + " | ".join(values) + f" | {target} |")

    process_row("Start-up to the mapped main window (ms; floor: bare window + keyed open)",
                "startup.json", "program_ms", "startup.json", "bare_ms", "ms", "≤ 1.3×")
    process_row("Peak memory over a whole mock exam (MiB)", "memory-program.json", "peak_kib",
                "memory-floor.json", "peak_kib", "MiB", "≤ 1.3×", 1 / 1024)

    print("\n## File growth over 20 papers and 1,000 answers (shipped bank)\n")
    print("| | Before | Now | Target |")
    print("|---|---|---|---|")
    growth = [load(before_dir, "growth.json") or {}, load(now_dir, "growth.json") or {}]

    def kib(run, key, minus=None):
        if key not in run:
            return "–"
        value = run[key] - (run[minus] if minus else 0)
        return f"{value / 1024:.0f} KiB"

    print(f"| Database file growth | {kib(growth[0], 'file_after', 'file_before')} | "
          f"{kib(growth[1], 'file_after', 'file_before')} | < 64 KiB |")
    print(f"| Largest WAL during the run | {kib(growth[0], 'wal_largest')} | "
          f"{kib(growth[1], 'wal_largest')} | bounded (checkpoint) |")
    print(f"| WAL left after the program ends | {kib(growth[0], 'wal_after')} | "
          f"{kib(growth[1], 'wal_after')} | |")
    print(NOTES)


if __name__ == "__main__":
    main()
