#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets into corpus/<target>/.

Seeds are real files (the sample designs of tests/data, a results table and
a user file made by yq-calc) and damaged or foreign forms of them. Run from
anywhere: python3 tests/fuzz/make_seeds.py SAMPLE_FOLDER, where
SAMPLE_FOLDER holds 726.ini, M7506.ini, YQ.csv and yq1.sqlite written by
yq-calc (users add ...; save ...). Findings saved by the fuzzers live in the
same folders under names starting with "finding-" and are kept as they are.
"""
import os
import sys

here = os.path.dirname(os.path.abspath(__file__))
data = os.path.join(here, "..", "data", "report")
samples = sys.argv[1]


def read(path):
    with open(path, "rb") as f:
        return f.read()


def write(target, name, data_bytes):
    folder = os.path.join(here, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data_bytes)


def variants(text):
    """Foreign and damaged forms of an INI text (LF line ends)."""
    lf = text.replace(b"\r\n", b"\n")
    return {
        "lf": lf,
        "crlf": lf.replace(b"\n", b"\r\n"),
        "cr-only": lf.replace(b"\n", b"\r"),
        "mixed-ends": b"".join(l + (b"\r\n" if i % 2 else b"\n") for i, l in enumerate(lf.split(b"\n")[:-1])),
        "no-final-newline": lf.rstrip(b"\n"),
        "utf8-bom": b"\xef\xbb\xbf" + lf,
        "utf16le-bom": b"\xff\xfe" + lf.decode("latin-1").encode("utf-16-le"),
        "utf16be-bom": b"\xfe\xff" + lf.decode("latin-1").encode("utf-16-be"),
        "latin1-comment": b"; caf\xe9 design\n" + lf,
        "truncated": lf[: len(lf) // 2],
        "two-sections": lf + b"[YQ]\nF=3.5\nCD=9\n",
        "blanks-and-case": lf.replace(b"F=", b"  f = ", 1).replace(b"[YQ]", b" [yq] "),
        "quoted": lf.replace(b"CD=", b'CD="', 1).replace(b"\nLD", b'"\nLD', 1),
    }


designs = {"726": read(os.path.join(data, "726.ini")), "M7506": read(os.path.join(data, "M7506.ini")),
           "saved-726": read(os.path.join(samples, "726.ini")), "saved-M7506": read(os.path.join(samples, "M7506.ini"))}

# Design files.
for name, text in designs.items():
    for kind, v in variants(text).items():
        write("fuzz_design_file", f"{name}-{kind}", v)
write("fuzz_design_file", "empty", b"")
write("fuzz_design_file", "binary", bytes(range(256)))
write("fuzz_design_file", "huge-values", b"[YQ]\nF=" + b"9" * 5000 + b"\nCD=-" + b"1" * 300 + b".5\nLD=1e999999\nmetric=" + b"7" * 40 + b"\n")
write("fuzz_design_file", "long-exponent", b"[YQ]\nF=0." + b"0" * 210 + b"715e211\nCD=2\nLD=6\n")
write("fuzz_design_file", "metric-2", b"[YQ]\nF=7.15\nCD=2\nLD=6\nMetric=2\n")
write("fuzz_design_file", "comma-separator", b"[YQ]\nF=7,15\nCD=2,5\nLD=6\n")

# Decimal text: one storage choice byte, then the text.
numbers = [b"7.15", b"2.345", b"-2.345", b"  12,5", b"\t0.25", b"1.5e3", b"5e3", b"1.e2", b".5", b"-.5",
           b"0.000000715e6", b"0." + b"0" * 210 + b"715e211", b"7.15e+0000000000000000000000000000",
           b"9999999.995", b"-9999999.995", b"99999999999999999999", b"1.0e99999999999999999999", b"1.5E-2x",
           b"", b"-", b"abc", b"12abc", b"+7.15", b"007.150", b"-0.004", b"1.5e-300", b"\xd9\xa3.5",
           b"1" * 2000, b"0." + b"1" * 2000]
for i, n in enumerate(numbers):
    write("fuzz_decimal", f"number-{i:02d}", bytes([i % 6]) + n)

# INI layer: section, key and value choice bytes, then the file.
for name, text in {"726": designs["726"], "M7506": designs["M7506"]}.items():
    for i, (kind, v) in enumerate(variants(text).items()):
        write("fuzz_profile", f"{name}-{kind}", bytes([i % 4, i % 6, i % 4]) + v)
settings = b"[__Dont_Touch_Me__]\nSectors=2\nSectors_1=family,item,type\nSectors_2=a,b,c\n"
write("fuzz_profile", "settings", bytes([2, 3, 1]) + settings)
write("fuzz_profile", "settings-new-key", bytes([2, 4, 3]) + settings.rstrip(b"\n"))
write("fuzz_profile", "empty", bytes([0, 0, 0]))
write("fuzz_profile", "new-section-no-final-newline", bytes([3, 5, 0]) + b"[Other]\nx=1")
write("fuzz_profile", "global-keys", bytes([0, 0, 0]) + b"F=1\n[YQ]\n;F=2\n[YQ]\nF=3\n")

# Settings file.
write("fuzz_settings", "two-entries", settings)
write("fuzz_settings", "two-entries-crlf", settings.replace(b"\n", b"\r\n"))
write("fuzz_settings", "no-entries", b"[__Dont_Touch_Me__]\nSectors=0\n")
write("fuzz_settings", "empty", b"")
write("fuzz_settings", "other-sections", b"; kept\n[Other]\nSectors=5\n\n" + settings + b"[Tail]\nx=y")
write("fuzz_settings", "utf8-bom", b"\xef\xbb\xbf" + settings)
write("fuzz_settings", "count-not-a-number", b"[__Dont_Touch_Me__]\nSectors=two\nSectors_1=a,b,c\n")
write("fuzz_settings", "count-negative", b"[__Dont_Touch_Me__]\nSectors=-3\n")
write("fuzz_settings", "long-fields", b"[__Dont_Touch_Me__]\nSectors=1\nSectors_1=" + b"f" * 300 + b"," + b"i" * 300 + b",t,u,v\n")
write("fuzz_settings", "count-huge", b"[__Dont_Touch_Me__]\nSectors=2000000000\n")
write("fuzz_settings", "count-large-no-entries", b"[__Dont_Touch_Me__]\nSectors=20000\n")

# Results table: a choice byte (bit 0: the table exists; the rest: the user),
# four bytes for F and CD, then the table.
table = read(os.path.join(samples, "YQ.csv"))
tables = {
    "real": table,
    "no-final-newline": table.rstrip(b"\r\n"),
    "lf-only": table.replace(b"\r\n", b"\n"),
    "cr-only-end": table.rstrip(b"\r\n") + b"\r",
    "empty": b"",
    "titles-only": table.split(b"\r\n")[0] + b"\r\n",
    "foreign": b"a,b,c\n1,2,3",
    "utf16le-bom": b"\xff\xfe" + table.decode("utf-8").encode("utf-16-le"),
    "binary": bytes(range(256)),
}
for i, (kind, t) in enumerate(tables.items()):
    write("fuzz_results", f"table-{kind}", bytes([1 | (i << 1), 7, 150, 2, 0]) + t)
write("fuzz_results", "no-table", bytes([0, 7, 15, 0, 75]))
write("fuzz_results", "formula-user", bytes([1 | (6 << 1), 0xFF, 0, 0x80, 1]) + table)

# User file.
users = read(os.path.join(samples, "yq1.sqlite"))
write("fuzz_user_file", "real", users)
write("fuzz_user_file", "empty", b"")
write("fuzz_user_file", "truncated-header", users[:50])
write("fuzz_user_file", "truncated-half", users[: len(users) // 2])
write("fuzz_user_file", "garbage", b"not a database, just text\n" * 20)
damaged = bytearray(users)
for offset in range(4096, len(damaged), 97):
    damaged[offset] ^= 0x5A
write("fuzz_user_file", "damaged-pages", bytes(damaged))
header_only = bytearray(users[:4096])
write("fuzz_user_file", "first-page-only", bytes(header_only))

# Foreign databases: one without the users' table, one whose names are too
# long for the field.
import sqlite3
import tempfile

with tempfile.TemporaryDirectory() as scratch:
    for kind, sql in {
        "foreign-database": "CREATE TABLE other(x); INSERT INTO other VALUES (1);",
        "long-names": "CREATE TABLE yq1(id INTEGER PRIMARY KEY AUTOINCREMENT, user TEXT NOT NULL);"
                      "INSERT INTO yq1(user) VALUES ('" + "x" * 200 + "'), ('line\r\nbreak');",
    }.items():
        path = os.path.join(scratch, kind)
        connection = sqlite3.connect(path)
        connection.executescript(sql)
        connection.close()
        write("fuzz_user_file", kind, read(path))

# Measurements (Touchstone and CSV): a name choice byte (0 .s1p, 1 .s2p,
# 2 .s4p, 3 .ts, 4 .csv, 5 no ending), then the file. The sweeps are of a
# series R-L-C antenna, as an analyser writes them, and damaged forms.
import cmath
import math


def rlc_points(count=101, r=0.8, l=28e-6, c=18e-12, start=5e6, stop=9e6):
    for i in range(count):
        f = start + (stop - start) * i / (count - 1)
        w = 2 * math.pi * f
        z = complex(r, w * l - 1 / (w * c))
        yield f, z, (z - 50) / (z + 50)


s1p = b"! sweep of the antenna, 101 points\n# Hz S RI R 50\n" + b"".join(
    b"%d %.9f %.9f\n" % (f, s.real, s.imag) for f, z, s in rlc_points())
s1p_ma = b"# MHz S MA R 50\n" + b"".join(
    b"%.6f %.6f %.4f\n" % (f / 1e6, abs(s), math.degrees(cmath.phase(s))) for f, z, s in rlc_points(41))
s1p_db_75 = b"# kHz S DB R 75\n" + b"".join(
    b"%.3f %.5f %.4f\n" % (f / 1e3, 20 * math.log10(abs((z - 75) / (z + 75))), math.degrees(cmath.phase((z - 75) / (z + 75))))
    for f, z, s in rlc_points(21))
z1p = b"# MHz Z RI R 50\n" + b"".join(b"%.6f %.6f %.6f\n" % (f / 1e6, z.real / 50, z.imag / 50) for f, z, s in rlc_points(21))
s2p = b"! two-port, S21 of a through\n# GHz S RI R 50\n" + b"".join(
    b"%.9f %.6f %.6f 0.9 0.1 0.9 0.1 0.2 0.0\n" % (f / 1e9, s.real, s.imag) for f, z, s in rlc_points(21)) + \
    b"! noise\n0.005 1.2 0.3 10 0.2\n"
ts2 = b"[Version] 2.0\n# MHz Z MA R 50\n[Number of Ports] 1\n[Number of Frequencies] 21\n[Reference] 50\n" \
      b"[Network Data]\n" + b"".join(b"%.6f %.6f %.4f\n" % (f / 1e6, abs(z), math.degrees(cmath.phase(z)))
                                     for f, z, s in rlc_points(21)) + b"[End]\n"
ts2_two = b"[Version] 2.0\n# MHz S RI R 50\n[Number of Ports] 2\n[Two-Port Data Order] 21_12\n" \
          b"[Number of Frequencies] 3\n[Matrix Format] Lower\n[Reference]\n50\n75\n[Network Data]\n" \
          b"7.0 0.1 0.2 0.5 0 0.1 0\n7.1 0.2 0.2 0.5 0 0.1 0\n7.2 0.3 0.2\n 0.5 0 0.1 0\n" \
          b"[Noise Data]\n7.0 1 0.1 10 0.1\n[End]\n[Begin Information]\nx\n[End Information]\n"
csv = b"Frequency (Hz),Re(S11),Im(S11)\r\n" + b"".join(b"%d,%.9f,%.9f\r\n" % (f, s.real, s.imag) for f, z, s in rlc_points(51))
csv_ohm = b"Frequency (MHz),R (ohm),X (ohm),SWR\n" + b"".join(
    b"%.6f,%.4f,%.4f,1\n" % (f / 1e6, z.real, z.imag) for f, z, s in rlc_points(21))
measurements = {
    "s1p-ri-hz": (0, s1p), "s1p-ma-mhz": (0, s1p_ma), "s1p-db-75": (0, s1p_db_75), "s1p-z": (0, z1p),
    "s2p-noise": (1, s2p), "ts-z-ma": (3, ts2), "ts-two-port-lower": (3, ts2_two), "csv-hz": (4, csv),
    "csv-ohm": (4, csv_ohm),
    "csv-cases": (4, b"case,frequency (MHz),R (ohm),X (ohm),SWR on 50 ohm\n" + b"".join(
        b"calculated coil,%.6f,%.4f,%.4f,1\n" % (f / 1e6, z.real, z.imag) for f, z, s in rlc_points(11))
        + b"coil for F,5.0,1,2,3\n"), "s1p-unnamed": (5, s1p_ma), "s4p-wrapped": (2, b"# GHz S RI\n1 0.1 0.2 0 0 0 0 0 0\n"
                                                                               + b" 0 0 0 0 0 0 0 0\n" * 3),
    "damaged-truncated": (0, s1p[: len(s1p) // 2 + 7]),
    "damaged-letter": (0, s1p.replace(b"0.", b"O.", 1)),
    "damaged-missing-value": (0, s1p_ma.replace(b" ", b"\n", 3)),
    "damaged-decreasing": (0, b"# MHz S RI R 50\n7.2 0.1 0.2\n7.1 0.1 0.2\n"),
    "damaged-reference-0": (0, b"# MHz S RI R 0\n7.1 0.1 0.2\n"),
    "damaged-binary": (0, bytes(range(256)) * 2),
    "damaged-nul-in-line": (0, b"# MHz S RI R 50\n7.1 0.1\x000.2\n"),
    "damaged-huge-number": (0, b"# MHz S RI R 50\n1e308 0.1 0.2\n1e309 1e400 2\n"),
    "damaged-ts-count": (3, ts2.replace(b"[Number of Frequencies] 21", b"[Number of Frequencies] 22")),
    "damaged-ts-no-order": (3, ts2_two.replace(b"[Two-Port Data Order] 21_12\n", b"")),
    "damaged-csv-short": (4, csv[: len(csv) // 3] + b"7000000,0.1\r\n"),
    "empty": (0, b""),
    "only-comments": (0, b"! nothing measured\n\n! at all\n"),
}
for kind, (choice, body) in measurements.items():
    write("fuzz_touchstone", kind, bytes([choice]) + body)
# nec2c's outputs (tests/data/nec2c, made by nec2c from the decks beside
# them), whole and damaged. The first byte is the number of frequencies the
# deck asked for, less one.
nec = os.path.join(here, "..", "data", "nec2c")
sweep = read(os.path.join(nec, "sweep.out"))
pattern = read(os.path.join(nec, "pattern.out"))
write("fuzz_nec_output", "sweep", b"\x04" + sweep)
write("fuzz_nec_output", "pattern", b"\x00" + pattern)
for name in ("bad-card", "bad-segment", "killed"):
    write("fuzz_nec_output", name, b"\x04" + read(os.path.join(nec, name + ".out")))
write("fuzz_nec_output", "sweep-asked-for-two", b"\x01" + sweep)
write("fuzz_nec_output", "sweep-cut-in-a-block",
      b"\x04" + sweep[:sweep.find(b"ANTENNA INPUT PARAMETERS", 5000) + 60])
write("fuzz_nec_output", "sweep-damaged-number", b"\x04" + sweep.replace(b"1.6611E+00", b"1.66l1E+00", 1))
write("fuzz_nec_output", "sweep-infinite-impedance", b"\x04" + sweep.replace(b"1.6611E+00", b"inf", 1))
write("fuzz_nec_output", "sweep-crlf", b"\x04" + sweep.replace(b"\n", b"\r\n"))
headings = pattern.find(b"DEGREES   DEGREES")
write("fuzz_nec_output", "pattern-no-headings", b"\x00" + pattern[:headings] + pattern[headings + 20:])
write("fuzz_nec_output", "pattern-cut-in-rows", b"\x00" + pattern[:pattern.find(b"LINEAR", headings) + 3])
write("fuzz_nec_output", "empty", b"")
write("fuzz_nec_output", "another-program",
      b"\x00Hello, this is not nec2c.\nANTENNA INPUT PARAMETERS\n1 2 3\n")
