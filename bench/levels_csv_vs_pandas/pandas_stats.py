#!/usr/bin/env python3
"""What vrdtool stats is compared with: pandas reading a meter's CSV export and working out Leq,
Lday (07-19), Levening (19-23), Lnight (23-07) of the samples whose start lies in each, and
L10/L50/L90 (linear-interpolation quantiles, as vrdtool's)."""
import sys

import numpy as np
import pandas as pd


def leq(levels):
    return 10 * np.log10(np.mean(np.power(10.0, levels / 10.0)))


def main():
    frame = pd.read_csv(sys.argv[1], parse_dates=["Time"])
    levels = frame["LAeq"].to_numpy()
    hours = frame["Time"].dt.hour.to_numpy()
    day = (hours >= 7) & (hours < 19)
    evening = (hours >= 19) & (hours < 23)
    night = ~(day | evening)
    l10, l50, l90 = np.quantile(levels, [0.9, 0.5, 0.1])
    print("Leq %.1f Lday %.1f Levening %.1f Lnight %.1f L10 %.1f L50 %.1f L90 %.1f"
          % (leq(levels), leq(levels[day]), leq(levels[evening]), leq(levels[night]), l10, l50,
             l90))


if __name__ == "__main__":
    main()
