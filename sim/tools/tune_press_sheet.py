#!/usr/bin/env python3
"""Offline tuning of the simulated press sheet (sim/PressSheet.cpp).

Mirrors the sheet's physical model and fits its parameters so that under D50
and the 2 degree observer the paper, the solids and the overprints land near
the ISO 12647-2 aims for coated paper, the status E densities look like a
press, trapping, hue error and grayness read as off a sound coated sheet, and
the 50 % tints show a dot gain of about 14 %. Prints the fitted
parameters as C++ initialisers to paste into PressSheet.cpp, and a table of
the results. Plain Python, no packages needed:

    python3 sim/tools/tune_press_sheet.py [reference data folder] [--fit]

Without --fit it only evaluates the parameters written below.
"""
import csv
import math
import random
import sys

DATA = sys.argv[1] if len(sys.argv) > 1 and not sys.argv[1].startswith("-") else "/work/shared/data"
FIT = "--fit" in sys.argv
N = 36
NM = [380 + 10 * i for i in range(N)]


def read_columns(name):
    with open(f"{DATA}/{name}") as f:
        rows = [r for r in csv.DictReader(f) if int(r["nm"]) <= 730]
    assert len(rows) == N
    return {k: [float(r[k]) for r in rows] for k in rows[0] if k != "nm"}


ILL = read_columns("cie-illuminants-10nm.csv")["D50"]
OBS = read_columns("cie-observers-10nm.csv")
STATUS = read_columns("density-status-10nm.csv")
K = 100.0 / sum(s * y for s, y in zip(ILL, OBS["y2"]))
WHITE = [K * sum(s * c for s, c in zip(ILL, OBS[n])) for n in ("x2", "y2", "z2")]


def lab(r):
    xyz = [K * sum(s * c * v for s, c, v in zip(ILL, OBS[n], r)) for n in ("x2", "y2", "z2")]

    def f(t):
        return t ** (1 / 3) if t > (6 / 29) ** 3 else t / (3 * (6 / 29) ** 2) + 4 / 29

    fx, fy, fz = (f(v / w) for v, w in zip(xyz, WHITE))
    return (116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz))


def delta_e(a, b):
    return math.sqrt(sum((x - y) ** 2 for x, y in zip(a, b)))


def density(r, channel):
    w = STATUS[channel]
    mean = sum(a * b for a, b in zip(w, r)) / sum(w)
    return -math.log10(max(mean, 1e-6))


STATUS_E = ("E_red", "E_green", "E_blue", "visual")

# ---- the model (same as PressSheet.cpp) -----------------------------------
SURFACE = 0.004
YN_N = 1.3


def paper(p):
    level, tilt, uv = p
    out = []
    for nm in NM:
        v = level + tilt * (550.0 - nm) / 100.0
        if nm < 420.0:
            v -= uv * (420.0 - nm) / 40.0
        out.append(v)
    return out


def absorbance(ink, nm):
    a = ink[0]
    for c, w, h in (ink[1:4], ink[4:7], ink[7:10]):
        a += h * math.exp(-0.5 * ((nm - c) / w) ** 2)
    return a


def transmittance(ink, trap=1.0):
    return [10 ** (-trap * absorbance(ink, nm)) for nm in NM]


def overprint(paper_r, t):
    return [SURFACE + (p - SURFACE) * x for p, x in zip(paper_r, t)]


def multiply(a, b):
    return [x * y for x, y in zip(a, b)]


def tone(nominal, k):
    return 1.0 - (1.0 - nominal) ** k


def tint(paper_r, solid_r, nominal, k):
    a = tone(nominal, k)
    return [((1 - a) * p ** (1 / YN_N) + a * s ** (1 / YN_N)) ** YN_N for p, s in zip(paper_r, solid_r)]


AIMS = {
    "paper": (95, 0, -2), "cyan": (55, -37, -50), "magenta": (48, 74, -3), "yellow": (89, -5, 93),
    "black": (16, 0, 0), "red": (47, 68, 48), "green": (50, -65, 27), "blue": (24, 22, -46),
}
# Status E densities of the solids above the paper, channel of the ink.
DENSITY_AIMS = {"cyan": (0, 1.40), "magenta": (1, 1.45), "yellow": (2, 1.00), "black": (3, 1.70)}
# What a densitometer reads off a sound coated sheet (status E, relative to the
# paper): Preucil trap of the later ink on the earlier, GATF hue error and
# grayness of each process ink.
TRAP_AIMS = {"red": 80.0, "green": 85.0, "blue": 82.0}
HUE_ERROR_AIMS = {"cyan": 22.0, "magenta": 45.0, "yellow": 8.0}
GRAYNESS_AIMS = {"cyan": 14.0, "magenta": 12.0, "yellow": 5.0}
# FOGRA39 50 % tints, only to keep the tints' hues sensible.
TINT_AIMS = {"cyan": (75.62, -16.48, -26.70), "magenta": (71.23, 33.64, -7.30),
             "yellow": (91.55, -4.00, 41.00), "black": (61.82, 0.0, -1.16)}

# Parameters: paper (3), inks (10 each: base, then centre/width/height x 3), traps (2).
PAPER = [0.8812, 0.0250, 0.0015]
INKS = {
    "cyan": [0.000, 627.0, 34.9, 1.241, 574.6, 37.8, 0.646, 447.2, 15.0, 0.237],
    "magenta": [0.019, 508.5, 30.1, 1.465, 368.5, 41.5, 2.057, 569.7, 19.8, 1.275],
    "yellow": [0.005, 431.8, 15.3, 0.590, 553.6, 15.0, 0.062, 460.2, 23.2, 1.599],
    "black": [1.500, 439.1, 45.7, 0.308, 576.8, 27.8, 0.455, 533.3, 85.0, 0.002],
}
# Trap factors of the later ink: yellow on magenta (red), yellow on cyan
# (green), magenta on cyan (blue), and the third ink of the three-ink overprint.
TRAPS = [0.599, 0.905, 0.709, 0.626]
DOT_GAIN = {"cyan": 1.209, "magenta": 1.215, "yellow": 1.186, "black": 1.253}
ORDER = ("cyan", "magenta", "yellow", "black")


def sheet(p_paper, inks, traps):
    pr = paper(p_paper)
    t = {n: transmittance(inks[n]) for n in ORDER}
    out = {"paper": pr}
    for n in ORDER:
        out[n] = overprint(pr, t[n])
    out["red"] = overprint(pr, multiply(t["magenta"], transmittance(inks["yellow"], traps[0])))
    out["green"] = overprint(pr, multiply(t["cyan"], transmittance(inks["yellow"], traps[1])))
    out["blue"] = overprint(pr, multiply(t["cyan"], transmittance(inks["magenta"], traps[2])))
    out["cmy"] = overprint(pr, multiply(multiply(t["cyan"], transmittance(inks["magenta"], traps[2])),
                                        transmittance(inks["yellow"], traps[3])))
    return out


def murray_davies(paper_r, solid_r, tint_r, channel):
    dp = density(paper_r, channel)
    ds = density(solid_r, channel) - dp
    dt = density(tint_r, channel) - dp
    return (1 - 10 ** -dt) / (1 - 10 ** -ds)


def relative_densities(s, name):
    return [density(s[name], c) - density(s["paper"], c) for c in STATUS_E[:3]]


# Which ink lies on which in each overprint (printing order cyan, magenta, yellow).
OVERPRINTS = {"red": ("magenta", "yellow"), "green": ("cyan", "yellow"), "blue": ("cyan", "magenta")}


def preucil_trap(s, overprint_name):
    first, second = OVERPRINTS[overprint_name]
    f = ORDER.index(second)  # through the filter of the second ink
    d_op, d_1, d_2 = (relative_densities(s, n)[f] for n in (overprint_name, first, second))
    return 100.0 * (d_op - d_1) / d_2


def hue_error(s, ink):
    d = sorted(relative_densities(s, ink))
    return 100.0 * (d[1] - d[0]) / (d[2] - d[0])


def grayness(s, ink):
    d = sorted(relative_densities(s, ink))
    return 100.0 * d[0] / d[2]


def unpack(x):
    p = list(x[0:3])
    inks = {}
    i = 3
    for n in ORDER:
        inks[n] = list(x[i:i + 10])
        i += 10
    return p, inks, list(x[i:i + 4])


def pack(p, inks, traps):
    x = list(p)
    for n in ORDER:
        x += inks[n]
    return x + list(traps)


def cost(x):
    p, inks, traps = unpack(x)
    penalty = 0.0
    hard = 1e4
    for n in ORDER:
        ink = inks[n]
        for j in (1, 4, 7):
            c, w, h = ink[j:j + 3]
            penalty += hard * max(0, 15 - w) ** 2 + max(0, w - 160) ** 2 + hard * max(0, -h) ** 2
            penalty += max(0, 360 - c) ** 2 + max(0, c - 760) ** 2
        penalty += hard * max(0, -ink[0]) ** 2
        # Ink films have smooth absorbance spectra: penalise sharp bends and
        # absorbance beyond what the surface reflection lets a densitometer see.
        a = [absorbance(ink, nm) for nm in NM]
        penalty += 5 * sum((a[i + 1] - 2 * a[i] + a[i - 1]) ** 2 for i in range(1, N - 1))
        penalty += 100 * sum(max(0, v - 2.5) ** 2 for v in a)
    for t in traps:
        penalty += hard * (max(0, t - 1) ** 2 + max(0, 0.6 - t) ** 2)
    paper_r = paper(p)
    penalty += hard * (max(0, max(paper_r) - 0.95) ** 2 + max(0, -p[2]) ** 2 + max(0, p[2] - 0.3) ** 2)
    s = sheet(p, inks, traps)
    total = penalty
    for name, aim in AIMS.items():
        total += (4 if name == "paper" else 1) * delta_e(lab(s[name]), aim) ** 2
    total += 0.5 * delta_e(lab(s["cmy"]), (23, 0, 0)) ** 2
    for name, (ch, aim) in DENSITY_AIMS.items():
        d = density(s[name], STATUS_E[ch]) - density(s["paper"], STATUS_E[ch])
        total += 400 * (d - aim) ** 2
    for name, aim in TRAP_AIMS.items():
        total += 0.05 * (preucil_trap(s, name) - aim) ** 2
    for name, aim in HUE_ERROR_AIMS.items():
        total += 0.05 * (hue_error(s, name) - aim) ** 2
    for name, aim in GRAYNESS_AIMS.items():
        total += 0.05 * (grayness(s, name) - aim) ** 2
    for name, aim in TINT_AIMS.items():
        total += 0.1 * delta_e(lab(tint(s["paper"], s[name], 0.5, DOT_GAIN[name])), aim) ** 2
    return total


def nelder_mead(f, x0, steps, iterations):
    n = len(x0)
    simplex = [list(x0)]
    for i in range(n):
        x = list(x0)
        x[i] += steps[i]
        simplex.append(x)
    values = [f(x) for x in simplex]
    for _ in range(iterations):
        order = sorted(range(n + 1), key=lambda i: values[i])
        simplex = [simplex[i] for i in order]
        values = [values[i] for i in order]
        centroid = [sum(simplex[i][j] for i in range(n)) / n for j in range(n)]
        worst = simplex[-1]
        xr = [c + (c - w) for c, w in zip(centroid, worst)]
        fr = f(xr)
        if fr < values[0]:
            xe = [c + 2 * (c - w) for c, w in zip(centroid, worst)]
            fe = f(xe)
            simplex[-1], values[-1] = (xe, fe) if fe < fr else (xr, fr)
        elif fr < values[-2]:
            simplex[-1], values[-1] = xr, fr
        else:
            xc = [c + 0.5 * (w - c) for c, w in zip(centroid, worst)]
            fc = f(xc)
            if fc < values[-1]:
                simplex[-1], values[-1] = xc, fc
            else:
                best = simplex[0]
                simplex = [best] + [[b + 0.5 * (x - b) for b, x in zip(best, s)] for s in simplex[1:]]
                values = [values[0]] + [f(x) for x in simplex[1:]]
    i = min(range(n + 1), key=lambda i: values[i])
    return simplex[i], values[i]


def fit_dot_gain(s, target=0.14):
    gains = {}
    for ch, n in enumerate(ORDER):
        lo, hi = 1.0, 3.0
        for _ in range(60):
            k = 0.5 * (lo + hi)
            a = murray_davies(s["paper"], s[n], tint(s["paper"], s[n], 0.5, k), STATUS_E[ch])
            if a - 0.5 < target[n] if isinstance(target, dict) else a - 0.5 < target:
                lo = k
            else:
                hi = k
        gains[n] = round(0.5 * (lo + hi), 3)
    return gains


def report(p, inks, traps):
    s = sheet(p, inks, traps)
    print(f"{'patch':8} {'L':>6} {'a':>6} {'b':>6}   aim               dE")
    for name, aim in AIMS.items():
        l = lab(s[name])
        print(f"{name:8} {l[0]:6.1f} {l[1]:6.1f} {l[2]:6.1f}   {str(aim):16} {delta_e(l, aim):5.2f}")
    l = lab(s["cmy"])
    print(f"{'cmy':8} {l[0]:6.1f} {l[1]:6.1f} {l[2]:6.1f}   (FOGRA39 23, 0, 0)")
    print("status E densities above paper (C M Y V):")
    for name in ("cyan", "magenta", "yellow", "black", "red", "green", "blue", "cmy"):
        d = [density(s[name], c) - density(s["paper"], c) for c in STATUS_E]
        print(f"  {name:8} " + " ".join(f"{v:5.2f}" for v in d))
    print("trapping (Preucil, status E): " + ", ".join(f"{n} {preucil_trap(s, n):.0f} %" for n in OVERPRINTS))
    print("hue error / grayness (GATF, status E):")
    for n in ("cyan", "magenta", "yellow"):
        print(f"  {n:8} {hue_error(s, n):5.1f} % {grayness(s, n):5.1f} %")
    print("50 % tints: Lab, FOGRA39, dot gain (Murray-Davies, status E):")
    for ch, n in enumerate(ORDER):
        t = tint(s["paper"], s[n], 0.5, DOT_GAIN[n])
        a = murray_davies(s["paper"], s[n], t, STATUS_E[ch])
        l = lab(t)
        print(f"  {n:8} {l[0]:6.1f} {l[1]:6.1f} {l[2]:6.1f}  {str(TINT_AIMS[n]):24} {100 * (a - 0.5):5.1f} %")


def cpp(p, inks, traps, gains):
    print(f"constexpr TPaperModel Paper = {{{p[0]:.4f}, {p[1]:.4f}, {p[2]:.4f}}};")
    for n in ORDER:
        i = inks[n]
        bands = ", ".join(f"{{{i[j]:.1f}, {i[j + 1]:.1f}, {i[j + 2]:.3f}}}" for j in (1, 4, 7))
        print(f"    {{{i[0]:.3f}, {{{bands}}}, {gains[n]:.3f}}},  // {n}")
    print(f"TrapYellowOnMagenta = {traps[0]:.3f}; TrapYellowOnCyan = {traps[1]:.3f}; "
          f"TrapMagentaOnCyan = {traps[2]:.3f}; TrapThird = {traps[3]:.3f};")


if __name__ == "__main__":
    x = pack(PAPER, INKS, TRAPS)
    if FIT:
        random.seed(1)
        steps = [abs(v) * 0.1 + 0.01 for v in x]
        best, value = x, cost(x)
        for round_ in range(12):
            candidate, v = nelder_mead(cost, best, steps, 3000)
            print(f"round {round_}: cost {v:.3f}", file=sys.stderr)
            if v < value:
                best, value = candidate, v
            steps = [s * 0.7 for s in steps]
        x = best
    p, inks, traps = unpack(x)
    s = sheet(p, inks, traps)
    gains = fit_dot_gain(s, {"cyan": 0.14, "magenta": 0.14, "yellow": 0.13, "black": 0.16}) if FIT else DOT_GAIN
    DOT_GAIN.update(gains)
    report(p, inks, traps)
    cpp(p, inks, traps, gains)
