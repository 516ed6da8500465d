#!/usr/bin/env python3
"""Reads the program's CSV file back with Python's own csv module, as a spreadsheet would,
and checks the rows and the Japanese headers. Usage: csv_read_back.py CSV_SAMPLE_PROGRAM"""

import csv
import os
import subprocess
import sys
import tempfile

# Water at 27 °C: 31.37707 mmHg, saturated at 596 litres for 1 mol; ethanol 71.30869 mmHg.
WATER = 31.37707
ETHANOL = 71.30869
EXPECTED = [
    ["容量 (L)", "圧力 (mmHg)", "液体", "温度 (°C)", "物質量 (mol)", "状態"],
    ["0", WATER, "水", "27", "1", "すべて液体"],
    ["300", WATER, "水", "27", "1", "液体と蒸気"],
    ["700", WATER * 596 / 700, "水", "27", "1", "すべて蒸気"],
    ["100", ETHANOL, "エタノール", "27", "1", "液体と蒸気"],
]


def main():
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "lesson.csv")
        subprocess.run([sys.argv[1], path], check=True)
        with open(path, "rb") as raw:
            data = raw.read()
        with open(path, newline="", encoding="utf-8-sig") as text:
            rows = list(csv.reader(text))

    failures = []
    if not data.startswith(b"\xef\xbb\xbf"):
        failures.append("no byte-order mark")
    if data.count(b"\r\n") != len(EXPECTED) or data.replace(b"\r\n", b"").count(b"\n"):
        failures.append("lines are not all ended by CR LF")
    if len(rows) != len(EXPECTED):
        failures.append(f"{len(rows)} rows instead of {len(EXPECTED)}")
    for number, (row, expected) in enumerate(zip(rows, EXPECTED)):
        if len(row) != len(expected):
            failures.append(f"row {number}: {row}")
            continue
        for cell, wanted in zip(row, expected):
            if isinstance(wanted, float):
                # 15 significant digits of the computed value, as plain decimal.
                if "e" in cell.lower() or abs(float(cell) - wanted) > abs(wanted) * 1e-14:
                    failures.append(f"row {number}: {cell} is not {wanted!r}")
            elif cell != wanted:
                failures.append(f"row {number}: {cell!r} is not {wanted!r}")
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
