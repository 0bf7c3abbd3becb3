#!/usr/bin/env bash
# Builds the Debian package build-deb/yq_<version>_amd64.deb from the
# sources: a build of its own (no tests, no benchmarks, prefix /usr), then
# CPack's DEB generator over the install rules. The libraries' packages in
# Depends come from dpkg-shlibdeps.
# Needs the package tools: YQ_PACKAGE_TOOLS=1 bash scripts/setup.sh
# Prints the package's path on its last line.
set -euo pipefail
cd "$(dirname "$0")/.."
for tool in dpkg-shlibdeps dpkg-deb help2man; do
  command -v "$tool" >/dev/null || {
    echo "package: $tool is missing (YQ_PACKAGE_TOOLS=1 bash scripts/setup.sh)" >&2
    exit 2
  }
done
# Debian's compiler and linker flags, with every hardening feature.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
  -DCMAKE_INSTALL_PREFIX=/usr -DYQ_BUILD_TESTS=OFF -DYQ_BUILD_BENCHMARKS=OFF "$@" >/dev/null
cmake --build build-deb -j "$(nproc)"
rm -f build-deb/yq_*.deb
(cd build-deb && cpack -G DEB >/dev/null)
deb=$(ls build-deb/yq_*_amd64.deb)
echo "$PWD/$deb"
