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
