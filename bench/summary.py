#!/usr/bin/env python3
"""Prints the table of the benchmarks that accountants wait on, each beside its reference
from the same run, out of the JSON that `velkor-bench --benchmark_out=FILE` writes.

The machine may be busy with other work: a ratio within one run says more than a time.
Times are wall-clock (what the user waits for): the median of the repetitions where a
benchmark repeats, else the mean over its iterations.

    python3 bench/summary.py build/bench/velkor-bench.json
    python3 bench/summary.py --cpu build/bench/velkor-bench.json

On a machine shared with other work, `--cpu` forms the table from the CPU time each
benchmark's thread used instead: it stays near what a quiet machine waits, where the
wall-clock times grow with the other work's share of the cores.
"""

import json
import re
import os
import sys


def load(path, cpu=False):
    """Each benchmark's time in ms, wall-clock or CPU (the median when it ran several times),
    and its counters."""
    with open(path, encoding="utf-8") as f:
        data = json.load(f)
    runs = {}
    medians = {}
    for b in data.get("benchmarks", []):
        scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b.get("time_unit", "ns")]
        entry = {"ms": b["cpu_time" if cpu else "real_time"] * scale, "items": b.get("items"),
                 "lost": b.get("lost"), "saves_per_s": b.get("saves_per_s")}
        name = re.sub(r"/(repeats|iterations):\d+$", "", b.get("run_name", b["name"]))
        if b.get("run_type") == "aggregate":
            if b.get("aggregate_name") == "median":
                medians[name] = entry
        else:
            runs.setdefault(name, entry)
    runs.update(medians)
    return data.get("context", {}), runs


def fmt(value, decimals=1):
    return f"{value:,.{decimals}f}".replace(",", "_").replace(".", ",").replace("_", ".")


def main():
    args = sys.argv[1:]
    cpu = "--cpu" in args
    args = [a for a in args if a != "--cpu"]
    if len(args) != 1:
        sys.exit("usage: summary.py [--cpu] RESULTS.json")
    context, runs = load(args[0], cpu)
    rows = []
    failed = False

    def ms(name):
        return runs[name]["ms"] if name in runs else None

    def row(what, now, reference, ratio, target, ok):
        nonlocal failed
        failed = failed or not ok
        rows.append((what, now, reference, ratio, target, "ok" if ok else "NO"))

    bare = ms("BM_Reports_BareRead")
    for what, name in (("closing step + report list", "BM_Reports_ClosingStepAndReportList"),
                       ("journal", "BM_Reports_Journal")):
        t = ms(name)
        if t is not None and bare:
            r = t / bare
            row(what, f"{fmt(t)} ms", f"bare read {fmt(bare)} ms", f"{fmt(r, 2)}x", "<= 1,3x", r <= 1.3)

    append = ms("BM_Append10000Items")
    append_row = append / 10000 if append else None
    insert = runs.get("BM_InsertItemsOnly")
    if insert and append_row and insert.get("items"):
        per_row = insert["ms"] / insert["items"]
        r = per_row / append_row
        row(f"import, insert only, {int(insert['items'])} rows", f"{fmt(insert['ms'])} ms",
            f"raw append {fmt(append)} ms / 10.000", f"{fmt(r, 2)}x per row", "<= 2x per row", r <= 2.0)

    for kind in ("xlsx", "ods", "xls"):
        whole = runs.get(f"BM_ImportWorkbook/{kind}")
        read = ms(f"BM_ReadWorkbook/{kind}")
        if whole and read is not None and append_row and whole.get("items"):
            reference = read + append_row * whole["items"]
            r = whole["ms"] / reference
            row(f"import end to end, {kind}", f"{fmt(whole['ms'])} ms",
                f"read {fmt(read)} + append {fmt(append_row * whole['items'])} ms", f"{fmt(r, 2)}x",
                "<= 600 ms, <= 3x", whole["ms"] <= 600 and r <= 3.0)

    luca = ms("BM_LucaVoucher")
    for what, name in (("Netsis voucher", "BM_NetsisVoucher"), ("Logo voucher", "BM_LogoVoucher"),
                       ("four-column voucher", "BM_FourColumnVoucher")):
        t = ms(name)
        if t is not None:
            ref = f"Luca {fmt(luca)} ms" if luca is not None else ""
            ratio = f"{fmt(t / luca, 2)}x" if luca else ""
            row(what, f"{fmt(t)} ms", ref, ratio, "<= 300 ms", t <= 300)

    for what, name in (("restore, 100 companies x 1.000", "BM_RestoreAllCompanies/100"),
                       ("backup, 100 companies x 1.000", "BM_BackupAllCompanies/100")):
        t = ms(name)
        if t is not None:
            row(what, f"{fmt(t / 1000, 2)} s", "", "", "<= 3 s", t <= 3000)

    period_bare = ms("BM_Periods_BareRead")
    t = ms("BM_Periods_ReportList")
    if t is not None and period_bare:
        r = t / period_bare
        row("period report list", f"{fmt(t)} ms", f"bare read {fmt(period_bare)} ms", f"{fmt(r, 2)}x",
            "<= 1,5x", r <= 1.5)
    for what, name in (("period compute + save + close", "BM_Periods_ComputeSaveClose"),
                       ("the same, first save of the lines", "BM_Periods_FirstSaveClose")):
        t = ms(name)
        if t is not None:
            row(what, f"{fmt(t / 1000, 2)} s", "", "", "<= 1 s", t <= 1000)
    for what, name in (("report list on the office server", "BM_Office_ReportList/sunucu"),
                       ("journal on the office server", "BM_Office_Journal/sunucu")):
        t = ms(f"{name}:1")
        on_file = ms(f"{name}:0")
        if t is not None and on_file:
            r = t / on_file
            row(what, f"{fmt(t)} ms", f"company file {fmt(on_file)} ms", f"{fmt(r, 2)}x", "<= 1,5x", r <= 1.5)
    writers = runs.get("BM_Office_FourWriters")
    if writers and writers.get("lost") is not None:
        lost = int(writers["lost"])
        rate = writers.get("saves_per_s") or 0
        row("4 writers x 1.000 saves, one company", f"{fmt(rate, 0)} saves/s, {lost} lost",
            f"{fmt(writers['ms'] / 1000, 2)} s in all", "", "0 lost", lost == 0)
    for what, name in (("company of 10.000 items to the server", "BM_CompanyToServer"),
                       ("and back into a company file", "BM_CompanyToFile")):
        t = ms(name)
        if t is not None:
            row(what, f"{fmt(t / 1000, 2)} s", "", "", "<= 5 s", t <= 5000)

    header = ("What (10.000 items unless said)", "Now", "Reference in the same run", "Ratio", "Target", "")
    widths = [max(len(str(r[i])) for r in rows + [header]) for i in range(len(header))]
    load_avg = context.get("load_avg")
    print()
    print(f"Load average at the start: {', '.join(fmt(x, 2) for x in load_avg) if load_avg else '?'}"
          f" on {context.get('num_cpus', '?')} CPUs; "
          f"compare ratios, the times depend on the load."
          + (" Times are CPU times." if cpu else ""))
    for r in [header] + rows:
        print(" | ".join(str(c).ljust(w) for c, w in zip(r, widths)))
    return 1 if failed and os.environ.get("VELKOR_BENCH_STRICT") else 0


if __name__ == "__main__":
    sys.exit(main())
