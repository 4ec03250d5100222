"""Prints the benchmark table: operation, scale, time, reference, ratio."""
import json
import os
import sys


def rows_from_engine(path):
    with open(path) as f:
        data = json.load(f)
    rows = []
    for b in data["benchmarks"]:
        if b.get("aggregate_name") not in (None, "median"):
            continue
        name = b["run_name"] if "run_name" in b else b["name"]
        op, _, scale = name.partition("/")
        rows.append({
            "op": op,
            "scale": scale or "-",
            "us": b.get("op_us", 0.0),
            "ref_us": b.get("ref_us", 0.0),
            "ratio": b.get("ratio", 0.0),
            "grep_us": b.get("grep_us"),
            "line": b.get("line"),
        })
    return rows


def rows_from_ui(path):
    if not os.path.exists(path):
        return []
    with open(path) as f:
        return json.load(f)["rows"]


def main():
    rows = rows_from_engine(sys.argv[1])
    rows += rows_from_ui(sys.argv[2]) if len(sys.argv) > 2 else []
    print(f"| {'operation':<28} | {'scale':>6} | {'time (us)':>11} | {'reference (us)':>14} | {'ratio':>6} | {'grep -F -x (us)':>15} |")
    print(f"|{'-'*30}|{'-'*8}|{'-'*13}|{'-'*16}|{'-'*8}|{'-'*17}|")
    for r in rows:
        grep = f"{r['grep_us']:.1f}" if r.get("grep_us") else ""
        if "RSS" in r["op"]:
            print(f"| {r['op']:<28} | {r['scale']:>6} | {r['us']:>7.0f} KiB | {'':>14} | {'':>6} | {'':>15} |")
            continue
        print(f"| {r['op']:<28} | {r['scale']:>6} | {r['us']:>11.1f} | {r['ref_us']:>14.1f} | {r['ratio']:>6.2f} | {grep:>15} |")


if __name__ == "__main__":
    main()
