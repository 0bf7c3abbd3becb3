#!/usr/bin/env bash
# yq-calc starts without Qt's GUI libraries: none of them (nor the metafile
# library) is among the libraries the program needs.
set -euo pipefail
needed=$(readelf -d "$1" | awk '/NEEDED/ { print $NF }')
if [[ $needed != *libQt6Core* ]]; then
  echo "no Qt Core among the needed libraries of $1 (readelf failed?): $needed"
  exit 1
fi
if grep -E 'Qt6(Gui|Svg|Widgets|PrintSupport|DBus)|uemf' <<< "$needed"; then
  echo "$1 needs the libraries above"
  exit 1
fi
echo "$1 needs: $(tr '\n' ' ' <<< "$needed")"
