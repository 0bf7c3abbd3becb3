#!/usr/bin/env bash
# Checks the exported report document in a real word processor.
#
# For designs at 7.15, 144.3, 1296.1 and 10368.1 MHz, with two users (one
# with a Central European name, one with a name of the user file's full 40
# characters), it exports Report.RTF with `yq-calc report DESIGN --export`,
# converts it to PDF in LibreOffice Writer (which draws the metafiles' fonts
# with faces of its own) and checks every page with `pdftotext -bbox`:
#   - the title ends left of the frequency box;
#   - every value, the print date and the designer lie inside their boxes
#     and read as on the program's own PDF (`--pdf`) of the same design;
#   - the notes read as on that PDF and stay inside the page header band.
# Needs libreoffice-writer: YQ_CHECK_TOOLS=1 bash scripts/setup.sh, and a
# built ./build/bin/yq-calc (bash scripts/build.sh). Exit status 0 = all
# pages pass. Keeps its files in $YQ_CHECK_DIR (default: a temporary folder).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
calc="${YQ_CALC:-$root/build/bin/yq-calc}"
for tool in libreoffice pdftotext python3; do
  command -v "$tool" >/dev/null || { echo "check-documents: $tool is missing (YQ_CHECK_TOOLS=1 bash scripts/setup.sh)" >&2; exit 2; }
done
[ -x "$calc" ] || { echo "check-documents: $calc is missing (bash scripts/build.sh)" >&2; exit 2; }

work="${YQ_CHECK_DIR:-$(mktemp -d /tmp/yq-check-documents.XXXXXX)}"
mkdir -p "$work"
cd "$work"
rm -rf VH lo ./*.ini YQ.csv yq1.* ./*.pdf ./*.bbox
mkdir -p -m 700 "$work/runtime"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime"
"$calc" users add "Zoë O'Brien-Łukasz" >/dev/null
"$calc" users add "Maximilian W. Wettstein-Hohenberg DL1WWW" >/dev/null

status=0
for f in 7.15 144.3 1296.1 10368.1; do
  design="$("$calc" save F="$f" CD=2.5 LD=6.5 WD=0.064 SP=0.08 CCD=2 PCCD=2.5 SCD=2 FAC=2 DPS=6 MBW=120 | tail -1)"
  rm -rf VH lo
  "$calc" report "$design" --export >/dev/null
  "$calc" report "$design" --pdf "own-$f.pdf"
  libreoffice --headless "-env:UserInstallation=file://$work/lo-profile" --convert-to pdf --outdir lo VH/Report.RTF >/dev/null 2>&1
  cp lo/Report.pdf "writer-$f.pdf"
  pdftotext -bbox "writer-$f.pdf" "writer-$f.bbox"
  pdftotext -bbox "own-$f.pdf" "own-$f.bbox"
  python3 - "$f" "writer-$f.bbox" "own-$f.bbox" <<'PY' || status=1
import html, re, sys

freq, writer_file, own_file = sys.argv[1:4]

def pages(path):
    text = open(path, encoding="utf-8").read()
    out = []
    for page in re.findall(r"<page .*?</page>", text, re.S):
        words = []
        for m in re.finditer(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*?)</word>', page):
            x0, y0, x1, y1 = map(float, m.groups()[:4])
            words.append((x0, y0, x1, y1, html.unescape(m.group(5))))
        out.append(words)
    return out

# Page positions are thousandths of an inch. The program's PDF has the page
# at the sheet's corner; the document's pictures stand 500 twips (25 pt) in.
PT = 0.072
def to_writer(t): return 25 + t * PT
def to_own(t): return t * PT

HX, HY = 490, 1021  # page header band
def row(key, x, y, chars):
    return (key, HX + x, HY + y, round(chars * 10 * 1000 / 72 * 0.556), round(10 * 1000 / 72 * 1.15))
BOXES = [
    ("F", HX + 4521, HY + 177, 1448, 333),
    ("unit text", HX + 2635, HY + 719, 604, 208),
    row("CD", 5917, 865, 10), row("LD", 5917, 1052, 10), row("CCL", 5917, 1240, 10),
    row("CD spacing", 6125, 1427, 7), row("C", 5917, 1615, 10), row("XC", 5917, 1802, 10),
    row("MRR", 5917, 1979, 10), row("BW", 5896, 2156, 10), row("Q", 5917, 2333, 10),
    row("TL", 5917, 2510, 10), row("WD", 5979, 2750, 9), row("SP", 5979, 2938, 9),
    row("CCD", 5917, 3365, 10), row("CI", 5917, 3573, 10), row("NT", 5917, 3781, 10),
    row("CL", 5917, 3990, 10), row("LW", 5917, 4198, 10), row("FAC", 5917, 4406, 10),
    row("PCCD", 5917, 4938, 10), row("PCNT", 5917, 5125, 10), row("LPW", 5917, 5313, 10),
    row("SCD", 5917, 5813, 10), row("SCT", 5917, 6021, 10), row("SCWL", 5917, 6240, 10),
    ("print date", 500 + 1104, 9667, 740, 208),
    ("designer", 500 + 3198, 9667, 2760, 208),
]
NOTE_Y = [6635, 6823, 7010, 7198, 7385, 7573, 7760, 7948, 8135]
TOL = 0.5  # pt

def in_rows(words, top, height, conv):
    lo, hi = conv(top), conv(top + height)
    return [w for w in words if lo <= (w[1] + w[3]) / 2 <= hi]

def near(words, x, width, conv, slack):
    lo, hi = conv(x - slack), conv(x + width + slack)
    return [w for w in words if lo <= (w[0] + w[2]) / 2 <= hi]

def text(words): return " ".join(w[4] for w in sorted(words, key=lambda w: w[0]))

writer, own = pages(writer_file), pages(own_file)
failures = []
if len(writer) != len(own):
    failures.append(f"{len(writer)} pages in Writer, {len(own)} in the program's PDF")
for n, (wp, op) in enumerate(zip(writer, own), 1):
    where = f"{freq} MHz page {n}"
    # Left edges do not depend on the face: they check the placement.
    for label, x in (("Print", 781), ("All", 1303)):
        found = [w for w in wp if w[4] == label]
        if not found or abs(found[0][0] - to_writer(x)) > 1.0:
            failures.append(f"{where}: '{label}' not where the page has it")
    # Title: the words of the title row left of the frequency box.
    fx = HX + 4521
    title = [w for w in in_rows(wp, HY + 177, 333, to_writer) if (w[0] + w[2]) / 2 < to_writer(fx)]
    gap = to_writer(fx) - max(w[2] for w in title) if title else float("nan")
    if not title or text(title) != "YQ *Star* Antenna designed for":
        failures.append(f"{where}: title reads {' '.join(w[4] for w in sorted(title, key=lambda w: w[0]))!r}")
    elif gap <= 0:
        failures.append(f"{where}: title runs {-gap:.1f} pt into the frequency box")
    value = near(in_rows(wp, HY + 177, 333, to_writer), fx, 1448, to_writer, 0)
    to_value = min(w[0] for w in value) - max(w[2] for w in title) if title and value else float("nan")
    print(f"{where}: title ends {gap:+.1f} pt left of the frequency box, {to_value:+.1f} pt left of the frequency")
    for key, x, y, width, height in BOXES:
        # The words whose middle lies in the box; then all of each word must.
        got = near(in_rows(wp, y, height, to_writer), x, width, to_writer, 0)
        want = near(in_rows(op, y, height, to_own), x, width, to_own, 0)
        got_text, want_text = text(got), text(want)
        if not got or got_text != want_text:
            failures.append(f"{where}: {key} reads {got_text!r}, the program's PDF {want_text!r}")
            continue
        left, right = min(w[0] for w in got), max(w[2] for w in got)
        if left < to_writer(x) - TOL or right > to_writer(x + width) + TOL:
            failures.append(f"{where}: {key} {got_text!r} spans {left:.1f}..{right:.1f} pt, box {to_writer(x):.1f}..{to_writer(x + width):.1f}")
        if key == "designer":
            print(f"{where}: designer {got_text!r} ends {to_writer(x + width) - right:+.1f} pt inside its box")
    for y in NOTE_Y:
        got = in_rows(wp, HY + y, 160, to_writer)
        want = in_rows(op, HY + y, 160, to_own)
        got_text, want_text = text(got), text(want)
        if not got or got_text != want_text:
            failures.append(f"{where}: note reads {got_text!r}, the program's PDF {want_text!r}")
        elif max(w[2] for w in got) > to_writer(HX + 7000) + TOL:
            failures.append(f"{where}: note {got_text[:20]!r}... runs past the header band")
for f in failures: print("FAIL", f)
print(f"{freq} MHz: {len(writer)} pages, " + ("all checks pass" if not failures else f"{len(failures)} failures"))
sys.exit(1 if failures else 0)
PY
done
echo "files in $work"
exit $status
