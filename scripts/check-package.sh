#!/usr/bin/env bash
# Builds the Debian package (scripts/package.sh) and checks it:
#   - lintian reports no errors (warnings and notes are shown);
#   - desktop-file-validate passes on the desktop entry, appstreamcli
#     validate on the metainfo file (both as installed by the package);
#   - the package holds both programs under /usr, the desktop entry, the
#     icon (scalable and every PNG size), the metainfo file, both manual
#     pages (with the trace switches) and the copyright file;
#   - unpacked into a scratch root with dpkg -x, yq-calc runs from there
#     (a design, --help, --version, a report as PDF) and yq answers --help
#     and --version, without Qt's runtime-folder warning;
#   - installed with apt into a bare Debian 12 root (mmdebstrap), which
#     brings in what it depends on, the fonts of its layouts included, and
#     prints the report there in those fonts (YQ_BARE_ROOT=0 skips this).
# Needs the package tools: YQ_PACKAGE_TOOLS=1 bash scripts/setup.sh
# Exit status 0 = every check passed. YQ_DEB=path checks a package already built.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
for tool in lintian desktop-file-validate appstreamcli dpkg-deb man; do
  command -v "$tool" >/dev/null || {
    echo "check-package: $tool is missing (YQ_PACKAGE_TOOLS=1 bash scripts/setup.sh)" >&2
    exit 2
  }
done
deb="${YQ_DEB:-$(bash "$root/scripts/package.sh" | tail -n 1)}"
[ -f "$deb" ] || { echo "check-package: no package $deb" >&2; exit 1; }
echo "== $deb"
dpkg-deb --info "$deb" | sed -n '/Package:/,$p'

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

echo "== lintian"
# lintian refuses to run as root unless told that it is fine.
lintian_out=$(lintian --allow-root --display-info --pedantic "$deb" 2>&1 || true)
printf '%s\n' "$lintian_out"
if printf '%s\n' "$lintian_out" | grep -q '^E: '; then fail "lintian reports errors"; else pass "lintian: no errors"; fi

scratch=$(mktemp -d /tmp/yq-check-package.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$deb" "$scratch/root"
r="$scratch/root"

echo "== contents"
for f in usr/bin/yq usr/bin/yq-calc usr/libexec/yq/yq-calc-pages usr/share/applications/yq.desktop \
         usr/share/icons/hicolor/scalable/apps/yq.svg \
         usr/share/metainfo/example.yq_antenna.yq.metainfo.xml \
         usr/share/man/man1/yq.1.gz usr/share/man/man1/yq-calc.1.gz \
         usr/share/doc/yq/copyright usr/share/doc/yq/changelog.gz; do
  if [ -e "$r/$f" ]; then pass "/$f"; else fail "/$f is missing"; fi
done
for size in 16 22 24 32 48 64 128 256; do
  png="$r/usr/share/icons/hicolor/${size}x${size}/apps/yq.png"
  if [ -f "$png" ] && file "$png" | grep -q "PNG image data, $size x $size"; then
    pass "icon ${size}x${size}"
  else
    fail "icon ${size}x${size} missing or of the wrong size"
  fi
done

echo "== desktop-file-validate"
if desktop-file-validate "$r/usr/share/applications/yq.desktop"; then pass "desktop entry"; else fail "desktop entry"; fi
echo "== appstreamcli validate"
if appstreamcli validate --no-net "$r/usr/share/metainfo/example.yq_antenna.yq.metainfo.xml"; then
  pass "metainfo"
else
  fail "metainfo"
fi

echo "== manual pages"
for page in yq yq-calc; do
  text=$(MANWIDTH=80 man -l "$r/usr/share/man/man1/$page.1.gz" 2>/dev/null)
  printf '%s\n' "$text" | head -n 12
  printf '%s\n' "$text" | grep -q -- '--help' || fail "$page(1) has no --help"
done
yqman=$(MANWIDTH=80 man -l "$r/usr/share/man/man1/yq.1.gz" 2>/dev/null)
for switch in /HADebug /HAdbg /HAdbgReg; do
  printf '%s\n' "$yqman" | grep -q -- "$switch" && pass "yq(1) documents $switch" || fail "yq(1) lacks $switch"
done

echo "== running the unpacked programs"
work="$scratch/work"
mkdir -p "$work"
cd "$work"
# As root from a plain shell: no runtime folder; nothing but the output may appear.
run() { env -u XDG_RUNTIME_DIR QT_QPA_PLATFORM=offscreen LD_LIBRARY_PATH= "$@"; }
out=$(run "$r/usr/bin/yq-calc" F=7.15 CD=2 LD=6 WD=0.04 SP=0.08 CCD=2 2>"$scratch/err")
echo "$out" | cut -c1-100
[[ "$out" == F=7.1500\ * ]] && [ ! -s "$scratch/err" ] && pass "yq-calc computes a design" || fail "yq-calc: $(cat "$scratch/err")"
check_out() {  # name, expected first-line prefix, command...
  local name="$1" want="$2"; shift 2
  local got
  if got=$(run "$@" 2>"$scratch/err") && [[ "$got" == "$want"* ]] && [ ! -s "$scratch/err" ]; then
    pass "$name: $(printf '%s\n' "$got" | head -n 1)"
  else
    fail "$name: $(printf '%s\n' "$got" | head -n 1) $(cat "$scratch/err")"
  fi
}
check_out "yq-calc --version" "yq-calc 5." "$r/usr/bin/yq-calc" --version
check_out "yq-calc --help" "Usage: yq-calc" "$r/usr/bin/yq-calc" --help
check_out "yq-calc save" "$work/726.ini" "$r/usr/bin/yq-calc" save F=7.15 CD=2 LD=6 WD=0.04 SP=0.08 CCD=2
check_out "yq-calc report --pdf, no warning" "" "$r/usr/bin/yq-calc" report 726.ini --pdf 726.pdf
[ -s 726.pdf ] && pass "the report PDF was written" || fail "no report PDF"
check_out "yq --version" "yq 5." "$r/usr/bin/yq" --version
check_out "yq --help" "Usage: yq" "$r/usr/bin/yq" --help

if [ "${YQ_BARE_ROOT:-1}" = "1" ]; then
  echo "== installed with apt into a bare Debian 12 root"
  if ! command -v mmdebstrap > /dev/null; then
    fail "mmdebstrap is missing (YQ_PACKAGE_TOOLS=1 bash scripts/setup.sh)"
  else
    bare="$scratch/bare"
    cp "$deb" "$scratch/yq.deb"
    # The machine's own package sources (bookworm with its updates and
    # security suites), so the root gets the library versions built against.
    sources=/etc/apt/sources.list.d/debian.sources
    [ -f "$sources" ] || sources=/etc/apt/sources.list
    if mmdebstrap --variant=apt --quiet --include=ca-certificates bookworm "$bare" - \
         < "$sources" > "$scratch/mmdebstrap.log" 2>&1; then
      cp "$scratch/yq.deb" "$bare/tmp/yq.deb"
      mount -t proc proc "$bare/proc"
      trap 'umount "$bare/proc" 2> /dev/null || true; rm -rf "$scratch"' EXIT
      # mmdebstrap leaves the root without package lists.
      if chroot "$bare" apt-get update -qq > "$scratch/apt.log" 2>&1 &&
         chroot "$bare" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq /tmp/yq.deb >> "$scratch/apt.log" 2>&1; then
        pass "apt installs the package into a bare root"
        if chroot "$bare" sh -c 'cd /tmp && env QT_QPA_PLATFORM=offscreen yq-calc save F=7.15 CD=2 LD=6 WD=0.04 SP=0.08 CCD=2 >/dev/null &&
             env QT_QPA_PLATFORM=offscreen yq-calc report 726.ini --pdf report.pdf' > "$scratch/report.log" 2>&1 &&
           [ -s "$bare/tmp/report.pdf" ]; then
          pass "the report prints in the bare root"
          fonts=$(pdffonts "$bare/tmp/report.pdf" 2>/dev/null | tail -n +3 | awk '{print $1}' | sort -u | tr '\n' ' ')
          echo "   fonts in its PDF: $fonts"
          case "$fonts" in
            *Liberation*) pass "the report is drawn in the Liberation fonts its layouts are measured with" ;;
            *) fail "the report is drawn in $fonts, not in the Liberation fonts" ;;
          esac
        else
          fail "the report does not print in the bare root: $(tail -3 "$scratch/report.log")"
        fi
      else
        fail "apt cannot install the package into a bare root: $(tail -3 "$scratch/apt.log")"
      fi
      umount "$bare/proc" 2> /dev/null || true
    else
      fail "mmdebstrap could not make a bare root: $(tail -3 "$scratch/mmdebstrap.log")"
    fi
  fi
fi

echo
if [ "$failures" -eq 0 ]; then echo "check-package: all checks passed"; else echo "check-package: $failures failed"; fi
[ "$failures" -eq 0 ]
