#!/usr/bin/env python3
"""Prints the benchmark table from the driver's result files.

  table.py N1=FILE1 N2=FILE2 ...   (N: lessons of the catalogue)

One row per operation: for each catalogue size the median wall time and its
ratio to the floor (the same bytes read and written plainly), the processor
time ratio, then how the time grows from one size to the next (10 = linear
for sizes ten times apart).
"""

import sys


def load(path):
    rows = {}
    order = []
    with open(path) as f:
        for line in f:
            name, wall, cpu, fwall, fcpu, kib = line.rstrip("\n").split("\t")
            rows[name] = (float(wall), float(cpu), float(fwall), float(fcpu), int(kib))
            order.append(name)
    return rows, order


def ms(seconds):
    if seconds >= 1:
        return "%.2f s" % seconds
    if seconds >= 0.001:
        return "%.1f ms" % (seconds * 1e3)
    return "%.1f us" % (seconds * 1e6)


def ratio(a, b):
    return "%.1f" % (a / b) if b > 0 else "-"


def main(argv):
    sizes = []
    for arg in argv[1:]:
        n, path = arg.split("=", 1)
        sizes.append((int(n), load(path)))
    order = sizes[0][1][1]
    head = "| operation |"
    rule = "|---|"
    for n, _ in sizes:
        head += " %d lessons | ratio (cpu) |" % n
        rule += "---:|---:|"
    for (a, _), (b, _) in zip(sizes, sizes[1:]):
        head += " x %d->%d |" % (a, b)
        rule += "---:|"
    print(head)
    print(rule)
    for name in order:
        row = "| %s |" % name
        cells = [rows[name] for _, (rows, _) in sizes if name in rows]
        if name.startswith("peak memory"):
            for c in cells:
                row += " %.1f MB | |" % (c[4] / 1024)
            print(row)
            continue
        for c in cells:
            row += " %s | %s (%s) |" % (ms(c[0]), ratio(c[0], c[2]), ratio(c[1], c[3]))
        for a, b in zip(cells, cells[1:]):
            row += " %s |" % ratio(b[0], a[0])
        print(row)
    peaks = [max(r[4] for r in rows.values()) for _, (rows, _) in sizes]
    print()
    print("Peak memory (largest process): " +
          ", ".join("%d lessons %.1f MB" % (n, p / 1024) for (n, _), p in zip(sizes, peaks)))


if __name__ == "__main__":
    main(sys.argv)
