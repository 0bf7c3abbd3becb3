#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo validate, and each names and
# describes the program in every language the program speaks.
# usage: check_desktop_files.sh RESOURCES_DIR
set -euo pipefail
dir=$1
desktop=$dir/yq.desktop
metainfo=$dir/example.yq_antenna.yq.metainfo.xml
status=0
# A hint is a suggestion, not a fault.
if ! out=$(desktop-file-validate "$desktop" 2>&1) || grep -qv ': hint:' <<<"$out"; then
  [ -n "$out" ] && echo "$out"
  grep -qv ': hint:' <<<"$out" && status=1
fi
desktop-file-validate "$desktop" >/dev/null 2>&1 || status=1
appstreamcli validate --no-net --pedantic "$metainfo" >/tmp/yq-appstream.$$ 2>&1 || { cat /tmp/yq-appstream.$$; status=1; }
rm -f /tmp/yq-appstream.$$
for lang in de ja ru it es pl pt_BR fr cs nl; do
  for key in Name GenericName Comment; do
    grep -q "^$key\[$lang\]=." "$desktop" || { echo "yq.desktop: no $key[$lang]"; status=1; }
  done
  for tag in name summary p li caption; do
    english=$(grep -c "<$tag>" "$metainfo" || true)
    [ "$tag" = p ] && english=$(awk '/<releases>/{exit} /<p>/{n++} END{print n+0}' "$metainfo")
    [ "$tag" = li ] && english=$(awk '/<releases>/{exit} /<li>/{n++} END{print n+0}' "$metainfo")
    translated=$(grep -c "<$tag xml:lang=\"$lang\">" "$metainfo" || true)
    [ "$english" = "$translated" ] || { echo "metainfo: $translated of $english <$tag> in $lang"; status=1; }
  done
done
exit $status
