#!/usr/bin/env python3
"""Prints the benchmark medians and their ratios next to the targets.

usage: bench_report.py map.json batch.json memory.txt wine.txt
"""
import json
import re
import sys


def medians(path):
    report = json.load(open(path))
    found = {}
    for b in report["benchmarks"]:
        if b.get("aggregate_name") == "median":
            found[b["run_name"].split("/")[0]] = b
    return report["context"], found


def main(map_json, batch_json, memory_txt, wine_txt):
    context, maps = medians(map_json)
    _, batch = medians(batch_json)
    per_path = {name: b["real_time"] / 1000 for name, b in maps.items()}  # ns per path: 1000 paths per iteration
    ours, opencc, copy = per_path["MapToSimplified"], per_path["OpenCC"], per_path["PlainCopy"]
    run, bare = batch["BatchRun"]["real_time"], batch["BareRenameLoop"]["real_time"]

    print(f"machine: {context.get('num_cpus')} CPUs at {context.get('mhz_per_cpu')} MHz, {context.get('date')}")
    print("median times (one run):")
    print(f"  mapToSimplified      {ours:9.1f} ns per path")
    print(f"  OpenCC (characters)  {opencc:9.1f} ns per path")
    print(f"  plain copy           {copy:9.1f} ns per path")
    print(f"  batch run, 10,000    {run:9.1f} ms")
    print(f"  bare renameat2 loop  {bare:9.1f} ms")
    rows = [
        ("OpenCC / mapToSimplified", opencc / ours, ">= 50", opencc / ours >= 50),
        ("mapToSimplified / plain copy", ours / copy, "<= 15", ours / copy <= 15),
        ("batch run / bare rename (native)", run / bare, "<= 1.3", run / bare <= 1.3),
    ]
    wine = open(wine_txt).read()
    match = re.search(r"wine_batch_run_ms=([\d.]+) wine_bare_movefile_ms=([\d.]+)", wine)
    if match:
        w_run, w_bare = float(match[1]), float(match[2])
        print(f"  batch run under Wine {w_run:9.1f} ms (real list box)")
        print(f"  bare MoveFileA loop  {w_bare:9.1f} ms (Wine)")
        rows.append(("batch run / bare MoveFileA (Wine)", w_run / w_bare, "<= 1.5", w_run / w_bare <= 1.5))
    print("ratios:")
    for name, ratio, target, met in rows:
        print(f"  {name:36s} {ratio:8.2f}   target {target:7s} {'met' if met else 'MISSED'}")
    print("peak memory of one batch run (native):")
    for line in open(memory_txt):
        fields = dict(part.split("=") for part in line.split())
        print(f"  {int(fields['entries']):7d} entries: {int(fields['run_kib']) / 1024:6.1f} MiB above the"
              f" process before the run (peak {int(fields['peak_after_kib']) / 1024:.1f} MiB)")


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
