"""Seed corpora of the fuzz targets, from the compiled catalogue and the sources.

Usage: seeds.py COMPILED_DIR DATA_DIR OUT_DIR
"""
import os
import random
import struct
import sys


def write(directory, name, data):
    os.makedirs(directory, exist_ok=True)
    with open(os.path.join(directory, name), "wb") as f:
        f.write(data)


def main():
    compiled, data, out = sys.argv[1:4]
    rng = random.Random(1)
    with open(os.path.join(compiled, "Talixind"), "rb") as f:
        lines = f.read().split(b"\r\n")
    with open(os.path.join(compiled, "Talix"), "rb") as f:
        base = f.read()
    # Index lines with a tolerance and a searched value in front.
    for i, line in enumerate(rng.sample(lines, min(200, len(lines)))):
        write(os.path.join(out, "ligne"), f"l{i}", struct.pack("<ii", 50, -5555) + line)
        write(os.path.join(out, "textes"), f"t{i}", line.split(b" ")[0])
    # Records: one, two, and a partial tail.
    for i in range(20):
        k = rng.randrange(0, len(base) // 725 - 2)
        write(os.path.join(out, "fiche"), f"f{i}", base[725 * k: 725 * (k + 2) + i])
    # Search sequences: a slice of the index and a few records, then command bytes.
    for i in range(20):
        start = rng.randrange(0, max(1, len(lines) - 40))
        index = b"\r\n".join(lines[start:start + 40])
        k = rng.randrange(0, len(base) // 725 - 3)
        write(os.path.join(out, "recherches"), f"r{i}",
              b"\x01" + index[:5000] + b"\\" + base[725 * k: 725 * (k + 3)] + bytes(rng.randrange(256) for _ in range(40)))
    # Catalogue sources.
    n = 0
    for root, _, files in os.walk(data):
        for name in sorted(files):
            if name.endswith(".toml"):
                with open(os.path.join(root, name), "rb") as f:
                    text = f.read()
                write(os.path.join(out, "talixc"), f"s{n}", text[:20000])
                n += 1


if __name__ == "__main__":
    main()
