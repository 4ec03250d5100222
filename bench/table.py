"""Prints the benchmark table (operation, scale, time, reference, ratio, and for the
designation searches a "grep -F -x" of the whole index), then the goals and whether each
holds. Usage: table.py moteur.json [ui.json]"""
import json
import os
import sys

# Ratio goals: operation name -> (the largest ratio, what it says).
GOALS_RATIO = {
    "Designation_Pire": (4.0, "worst-case designation search within 4x the bare split"),
    "PasDesignation_ArriereFin": (4.0, "worst-case backward step within 4x the bare split"),
    "PasDurete_ArriereFin": (4.0, "worst-case backward step within 4x the bare split"),
    "PasResistance_ArriereFin": (4.0, "worst-case backward step within 4x the bare split"),
    "PasElasticite_ArriereFin": (4.0, "worst-case backward step within 4x the bare split"),
    "App_StartupToMainMenu": (3.0, "start-up within 3x an empty Qt window"),
    "App_EnterToDesignationsPainted": (3.0, "Enter-to-painted within 3x an empty Qt window"),
}


def rows_from_engine(path):
    with open(path) as f:
        data = json.load(f)
    rows = []
    for b in data["benchmarks"]:
        if b.get("aggregate_name") not in (None, "median"):
            continue
        name = b["run_name"] if "run_name" in b else b["name"]
        parts = name.split("/")
        op = parts[0]
        scale = parts[1] if len(parts) > 1 and parts[1].isdigit() else "-"
        rows.append({
            "op": op,
            "scale": scale,
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


def print_table(rows):
    print(f"| {'operation':<30} | {'scale':>6} | {'line':>7} | {'time (us)':>11} | "
          f"{'reference (us)':>14} | {'ratio':>6} | {'grep -F -x (us)':>15} |")
    print(f"|{'-'*32}|{'-'*8}|{'-'*9}|{'-'*13}|{'-'*16}|{'-'*8}|{'-'*17}|")
    for r in rows:
        grep = f"{r['grep_us']:.1f}" if r.get("grep_us") else ""
        line = f"{r['line']:.0f}" if r.get("line") is not None else ""
        if "RSS" in r["op"]:
            print(f"| {r['op']:<30} | {r['scale']:>6} | {line:>7} | {r['us']:>7.0f} KiB | "
                  f"{'':>14} | {'':>6} | {'':>15} |")
            continue
        print(f"| {r['op']:<30} | {r['scale']:>6} | {line:>7} | {r['us']:>11.1f} | "
              f"{r['ref_us']:>14.1f} | {r['ratio']:>6.2f} | {grep:>15} |")


def print_goals(rows):
    print()
    print("Goals:")
    for r in rows:
        goal = GOALS_RATIO.get(r["op"])
        if not goal:
            continue
        # The engine goals are stated at the announced scale (8,000 grades).
        if r["op"].startswith(("Designation", "Pas")) and r["scale"] != "8000":
            continue
        limit, text = goal
        verdict = "holds" if 0 < r["ratio"] <= limit else "NOT MET"
        print(f"  {r['op']}/{r['scale']}: {r['ratio']:.2f}x ({text}): {verdict}")
    lire = {(r["op"], r["scale"]): r["us"] for r in rows if r["op"].startswith("LireFiche")}
    if lire:
        values = list(lire.values())
        spread = max(values) / min(values) if min(values) > 0 else 0
        verdict = "holds" if spread <= 1.5 else "NOT MET"
        print(f"  LireFiche first/last record at 8,000 and 80,000: "
              f"{min(values):.1f} to {max(values):.1f} us, spread {spread:.2f}x "
              f"(constant within noise, 1.5x): {verdict}")


def main():
    rows = rows_from_engine(sys.argv[1])
    rows += rows_from_ui(sys.argv[2]) if len(sys.argv) > 2 else []
    print_table(rows)
    print_goals(rows)


if __name__ == "__main__":
    main()
