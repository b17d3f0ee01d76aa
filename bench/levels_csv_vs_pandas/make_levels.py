#!/usr/bin/env python3
"""Writes DAYS days of a meter's 1-s levels as its CSV export: "2025-03-01 00:00:00,45.3,41.3" a
row, the levels wandering as a site's do (the same file every time for one DAYS)."""
import random
import sys


def main():
    days = int(sys.argv[1])
    path = sys.argv[2]
    rng = random.Random(2025)
    level = 45.0
    with open(path, "w", newline="") as out:
        out.write("Time,LAeq,LA90\r\n")
        rows = []
        for s in range(days * 86400):
            level = min(100.0, max(20.0, level + 0.1 * (45 - level) + rng.gauss(0.0, 1.5)))
            day, second = 1 + s // 86400, s % 86400
            rows.append("2025-03-%02d %02d:%02d:%02d,%.1f,%.1f\r\n"
                        % (day, second // 3600, second // 60 % 60, second % 60, level,
                           level - 4.0))
            if len(rows) == 100000:
                out.write("".join(rows))
                rows = []
        out.write("".join(rows))


if __name__ == "__main__":
    main()
