#!/usr/bin/env python3
"""Checks the shipped reference data in this folder and refits conductivity curves.

    python3 data/check_data.py                 check every file, exit 1 on a finding
    python3 data/check_data.py --fit "NAME"    print the least-squares cubic of one
                                               product from lambda-sources.json

Standard library only.
"""

import json
import math
import os
import re
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

MAX_LAMBDA_DEVIATION = 0.002  # W/mK, fitted cubic against every source point
PRODUCT_TYPES = {"Rohože na pletivu", "Lamelové rohože", "Desky", "Izolační pouzdra",
                 "Pásy, plstě", "Jiné"}
USAGES = ["pipe", "circular duct", "rectangular duct", "rectangular duct inside",
          "plane", "plane inside", "tank"]
COLOUR = re.compile(r"^0x00[0-9A-F]{6}$")

LIST = {"name", "secondName", "description"}
KEYS = {
    "product": LIST | {"producer", "productType", "usage", "maxTemperature",
                       "lambdaCoeff3", "lambdaCoeff2", "lambdaCoeff1", "lambdaCoeff0",
                       "minThickness", "maxThickness", "insulationColour",
                       "surfaceColour", "thicknesses"},
    "productThickness": {"name", "thickness"},
    "absorber": LIST | {"kind", "insulationColour", "surfaceColour", "thicknesses"},
    "absorberThickness": LIST | {"thickness", "alpha125", "alpha250", "alpha500",
                                 "alpha1000", "alpha2000", "alpha4000"},
    "surface": LIST | {"kind", "emissivity", "colour"},
    "equipment": LIST | {"lengths"},
    "length": LIST | {"addedLength", "minDiameter", "maxDiameter"},
    "liquid": LIST | {"density", "heatCapacity", "freezingPoint"},
    "location": LIST | {"displayText", "temperature", "windSpeed"},
    "preset": {"name", "nameEn", "label", "price"},
}
# The preset dialog takes names of at most this many characters.
PRESET_NAME_LENGTH = 60
ALPHAS = ["alpha125", "alpha250", "alpha500", "alpha1000", "alpha2000", "alpha4000"]

findings = []


def fail(where, text):
    findings.append(f"{where}: {text}")


# ---------------------------------------------------------------- least squares

def fit_cubic(points):
    """Least-squares c3, c2, c1, c0 of lambda(T) through [[T, lambda], ...].

    Normal equations on x = T / 1000 (keeps the 4x4 system well conditioned),
    solved by Gaussian elimination with partial pivoting."""
    scale = 1000.0
    a = [[0.0] * 5 for _ in range(4)]
    for t, lam in points:
        x = t / scale
        powers = [x ** k for k in range(7)]
        for i in range(4):
            for j in range(4):
                a[i][j] += powers[i + j]
            a[i][4] += lam * powers[i]
    for col in range(4):
        pivot = max(range(col, 4), key=lambda r: abs(a[r][col]))
        a[col], a[pivot] = a[pivot], a[col]
        for row in range(4):
            if row != col:
                f = a[row][col] / a[col][col]
                for k in range(col, 5):
                    a[row][k] -= f * a[col][k]
    scaled = [a[i][4] / a[i][i] for i in range(4)]  # b0..b3 in x
    c = [scaled[k] / scale ** k for k in range(4)]  # c0..c3 in T
    return [c[3], c[2], c[1], c[0]]


def round_sig(v, digits=7):
    return 0.0 if v == 0 else float(f"{v:.{digits - 1}e}")


def f32(v):
    return struct.unpack("<f", struct.pack("<f", v))[0]


def lam(coeffs, t):
    c3, c2, c1, c0 = coeffs
    return ((c3 * t + c2) * t + c1) * t + c0


# ---------------------------------------------------------------- helpers

def load(name):
    path = os.path.join(HERE, name)
    with open(path, encoding="utf-8") as fh:
        text = fh.read()
    # numbers kept as text too, to count their digits
    literals = []

    def keep(s):
        literals.append(s)
        return float(s)

    data = json.loads(text, parse_float=keep, parse_int=keep)
    for s in literals:
        mantissa = re.split(r"[eE]", s)[0].lstrip("-").replace(".", "").lstrip("0")
        if "." not in s.split("e")[0].split("E")[0]:
            mantissa = mantissa.rstrip("0")
        if len(mantissa) > 7:
            fail(name, f"number {s} has more digits than a float holds")
    return data


def walk_strings(where, value):
    if isinstance(value, str):
        try:
            value.encode("cp1250")
        except UnicodeEncodeError:
            fail(where, f"text {value!r} cannot be stored in the files' code page")
    elif isinstance(value, dict):
        for v in value.values():
            walk_strings(where, v)
    elif isinstance(value, list):
        for v in value:
            walk_strings(where, v)


def check_keys(where, record, kind, required=()):
    extra = set(record) - KEYS[kind]
    if extra:
        fail(where, f"keys the record does not have: {sorted(extra)}")
    for key in required:
        if key not in record:
            fail(where, f"missing {key}")


def check_unique(where, records):
    seen = set()
    for r in records:
        if r["name"] in seen:
            fail(where, f"name {r['name']!r} twice")
        seen.add(r["name"])


def check_colour(where, value):
    if not isinstance(value, str) or not COLOUR.match(value):
        fail(where, f"colour {value!r} is not \"0x00BBGGRR\"")


# ---------------------------------------------------------------- database

def check_products(products, sources):
    covered = [0] * 7
    for p in products:
        w = f"product {p.get('name')!r}"
        check_keys(w, p, "product", ["name", "secondName", "productType", "usage",
                                     "maxTemperature", "lambdaCoeff0", "thicknesses"])
        if p.get("productType") not in PRODUCT_TYPES:
            fail(w, f"productType {p.get('productType')!r}")
        usage = p.get("usage", [])
        if len(usage) != 7 or any(u not in (0, 1) for u in usage) or not any(usage):
            fail(w, f"usage {usage}")
        else:
            covered = [c + u for c, u in zip(covered, usage)]
        check_colour(w, p.get("insulationColour"))
        check_colour(w, p.get("surfaceColour"))
        ts = p.get("thicknesses", [])
        values = [t["thickness"] for t in ts]
        for t in ts:
            check_keys(w, t, "productThickness", ["name", "thickness"])
            if t["name"] != f"{t['thickness']:.1f}":
                fail(w, f"thickness name {t['name']!r}")
        if values != sorted(set(values)) or not values:
            fail(w, "thicknesses not strictly ascending")
        elif values[0] < p["minThickness"] or values[-1] > p["maxThickness"]:
            fail(w, "thickness outside minThickness..maxThickness")

        points = sources.get(p["name"])
        if not points:
            fail(w, "no conductivity source points")
            continue
        coeffs = [f32(p[k]) for k in ("lambdaCoeff3", "lambdaCoeff2", "lambdaCoeff1",
                                      "lambdaCoeff0")]
        t_low = min(t for t, _ in points)
        t_max = p["maxTemperature"]
        if max(t for t, _ in points) > t_max:
            fail(w, "source point above maxTemperature")
        for t, value in points:
            if abs(lam(coeffs, t) - value) > MAX_LAMBDA_DEVIATION:
                fail(w, f"lambda({t}) = {lam(coeffs, t):.4f}, source {value}")
        refit = fit_cubic(points)
        steps = 200
        previous = None
        for i in range(steps + 1):
            t = t_low + (t_max - t_low) * i / steps
            value = lam(coeffs, t)
            if value <= 0.0:
                fail(w, f"lambda({t:.0f}) not positive")
                break
            if previous is not None and value < previous - 1e-6:
                fail(w, f"lambda falls near {t:.0f} °C")
                break
            if abs(value - lam(refit, t)) > 1e-5:
                fail(w, f"coefficients are not the least-squares fit of the sources (at {t:.0f} °C)")
                break
            previous = value
    for name in sources:
        if name not in {p["name"] for p in products}:
            fail("lambda-sources.json", f"{name!r} is no product")
    for use, count in zip(USAGES, covered):
        if count == 0:
            fail("products", f"no product for {use}")


def check_absorbers(records, kind, where):
    for a in records:
        w = f"{where} {a.get('name')!r}"
        check_keys(w, a, "absorber", ["name", "secondName", "kind", "thicknesses"])
        if a.get("kind") != kind:
            fail(w, f"kind {a.get('kind')} (expected {kind})")
        check_colour(w, a.get("insulationColour"))
        check_colour(w, a.get("surfaceColour"))
        ts = a.get("thicknesses", [])
        values = [t["thickness"] for t in ts]
        if not ts or values != sorted(set(values)):
            fail(w, "thicknesses not strictly ascending")
        for t in ts:
            check_keys(w, t, "absorberThickness", ["name", "thickness"] + ALPHAS)
            if t["name"] != f"{t['thickness']:.1f}":
                fail(w, f"thickness name {t['name']!r}")
            for k in ALPHAS:
                if not 0.0 <= t.get(k, -1) <= 1.0:
                    fail(w, f"{k} of {t['name']} outside 0..1")
        for k in ("alpha125", "alpha250"):
            low = [t[k] for t in ts]
            if low != sorted(low):
                fail(w, f"{k} does not rise with thickness")


def check_surfaces(records, kind, where):
    for s in records:
        w = f"{where} {s.get('name')!r}"
        check_keys(w, s, "surface", ["name", "secondName", "kind", "emissivity", "colour"])
        if s.get("kind") != kind:
            fail(w, f"kind {s.get('kind')} (expected {kind})")
        if not 0.0 < s.get("emissivity", 0) <= 1.0:
            fail(w, "emissivity outside 0..1")
        check_colour(w, s.get("colour"))


def check_equipment(records):
    for e in records:
        w = f"equipment {e.get('name')!r}"
        check_keys(w, e, "equipment", ["name", "secondName", "lengths"])
        lengths = e.get("lengths", [])
        if not lengths:
            fail(w, "no diameter ranges")
        previous = None
        for r in lengths:
            check_keys(w, r, "length", ["name", "addedLength", "minDiameter", "maxDiameter"])
            name = f"{r['minDiameter']:.0f} - {r['maxDiameter']:.0f} mm"
            if r["name"] != name:
                fail(w, f"range name {r['name']!r}, expected {name!r}")
            if not 0 <= r["minDiameter"] < r["maxDiameter"] or r["addedLength"] <= 0:
                fail(w, f"range {r['name']}")
            if previous:
                if r["minDiameter"] < previous["maxDiameter"]:
                    fail(w, f"range {r['name']} overlaps {previous['name']}")
                if r["addedLength"] <= previous["addedLength"]:
                    fail(w, f"added length does not rise at {r['name']}")
            previous = r


def check_liquids(records):
    for l in records:
        w = f"liquid {l.get('name')!r}"
        check_keys(w, l, "liquid", ["name", "secondName", "density", "heatCapacity",
                                    "freezingPoint"])
        if not (500 < l["density"] < 2000 and 1000 < l["heatCapacity"] < 5000
                and -80 < l["freezingPoint"] <= 40):
            fail(w, "implausible property")


# ---------------------------------------------------------------- other files

def check_climate(data):
    for loc in data["locations"]:
        w = f"location {loc.get('name')!r}"
        check_keys(w, loc, "location", ["name", "secondName", "displayText", "temperature",
                                        "windSpeed"])
        text = f"{loc['name']}\t{loc['temperature']:.1f}\t{loc['windSpeed']:.1f}"
        if loc["displayText"] != text:
            fail(w, f"displayText {loc['displayText']!r}, expected {text!r}")
        if not (-5 < loc["temperature"] < 25 and 0 < loc["windSpeed"] < 15):
            fail(w, "implausible climate")
    check_unique("locations", data["locations"])


def check_costs(data):
    for p in data["presets"]:
        w = f"preset {p.get('name')!r}"
        check_keys(w, p, "preset", ["name", "nameEn", "label", "price"])
        m = re.fullmatch(r"(.*)\t(\d+\.\d) Kč/(m2?)", p["label"])
        if not m or m.group(1) != p["name"] or m.group(2) != f"{p['price']:.1f}":
            fail(w, f"label {p['label']!r}")
        for key in ("name", "nameEn"):
            if key in p and not (isinstance(p[key], str) and 0 < len(p[key]) <= PRESET_NAME_LENGTH):
                fail(w, f"{key} is not a text of 1 to {PRESET_NAME_LENGTH} characters")
    check_unique("presets", data["presets"])
    # The English name stands for its preset in the English list, as the name does in Czech.
    english = [p["nameEn"] for p in data["presets"] if "nameEn" in p]
    for name in sorted({n for n in english if english.count(n) > 1}):
        fail("presets", f"English name {name!r} twice")


def top(where, data, kind, keys):
    if data.get("file") != kind:
        fail(where, f"\"file\" is {data.get('file')!r}, expected {kind!r}")
    if list(data) != ["file"] + keys:
        fail(where, f"top-level keys {list(data)}, expected {['file'] + keys}")


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "--fit":
        with open(os.path.join(HERE, "lambda-sources.json"), encoding="utf-8") as fh:
            points = json.load(fh)[sys.argv[2]]
        for key, c in zip(("lambdaCoeff3", "lambdaCoeff2", "lambdaCoeff1", "lambdaCoeff0"),
                          fit_cubic(points)):
            print(f'"{key}": {round_sig(c)!r},')
        return 0

    db = load("kelvora.json")
    sources = load("lambda-sources.json")
    climate = load("climate.json")
    costs = load("costs.json")
    for name, data in (("kelvora.json", db), ("climate.json", climate),
                       ("costs.json", costs), ("lambda-sources.json", sources)):
        walk_strings(name, data)

    top("kelvora.json", db, "database",
        ["products", "rectangularAbsorbers", "circularAbsorbers", "outerFinishes",
         "pipeSurfaces", "innerFacings", "equipment", "liquids"])
    top("climate.json", climate, "climate", ["locations"])
    top("costs.json", costs, "costs", ["presets"])

    check_products(db["products"], sources)
    check_absorbers(db["rectangularAbsorbers"], 0, "rectangular absorber")
    check_absorbers(db["circularAbsorbers"], 1, "circular absorber")
    check_surfaces(db["outerFinishes"], 0, "outer finish")
    check_surfaces(db["pipeSurfaces"], 1, "pipe surface")
    check_surfaces(db["innerFacings"], 2, "inner facing")
    check_equipment(db["equipment"])
    check_liquids(db["liquids"])
    for key in ("products", "rectangularAbsorbers", "circularAbsorbers", "equipment",
                "liquids"):
        check_unique(key, db[key])
    check_unique("surfaces", db["outerFinishes"] + db["pipeSurfaces"] + db["innerFacings"])
    check_climate(climate)
    check_costs(costs)

    for f in findings:
        print(f)
    if not findings:
        print("data: all checks pass")
    return 1 if findings else 0


if __name__ == "__main__":
    sys.exit(main())
