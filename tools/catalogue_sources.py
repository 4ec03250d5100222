"""Writes data/SOURCES.md: every source the catalogue's grades name, with how many grades
of each family cite it. Run it after changing the catalogue: python3 tools/catalogue_sources.py
"""
import collections
import os
import tomllib

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
DATA = os.path.join(ROOT, "data")


def main():
    citations = collections.defaultdict(collections.Counter)
    for folder in sorted(os.listdir(DATA)):
        path = os.path.join(DATA, folder)
        if not os.path.isdir(path):
            continue
        for name in sorted(os.listdir(path)):
            if not name.endswith(".toml"):
                continue
            with open(os.path.join(path, name), "rb") as f:
                doc = tomllib.load(f)
            common = doc.get("sources", [])
            for grade in doc.get("grade", []):
                for source in dict.fromkeys(common + grade.get("sources", [])):
                    citations[source][doc["family"]] += 1
    lines = [
        "# Sources of the catalogue",
        "",
        "Every standard and published document that a grade of the catalogue names as the source",
        "of its values, with the number of grades citing it per family. Written by",
        "`tools/catalogue_sources.py` from the grade files; do not edit by hand.",
        "",
        "| source | grades | families |",
        "|---|---|---|",
    ]
    for source in sorted(citations, key=str.casefold):
        per_family = citations[source]
        families = ", ".join(f"{fam}: {n}" for fam, n in sorted(per_family.items()))
        lines.append(f"| {source.replace('|', '/')} | {sum(per_family.values())} | {families} |")
    with open(os.path.join(DATA, "SOURCES.md"), "w") as f:
        f.write("\n".join(lines) + "\n")
    print(f"{len(citations)} sources")


if __name__ == "__main__":
    main()
