#!/usr/bin/env bash
# Builds the Debian package: a release build with tests off, with Debian's
# hardening flags, stripped and packed by CPack's DEB generator into
# build/package/tubalyzer_<version>_<arch>.deb. Needs the run tier and
# dpkg-dev (scripts/setup.sh run test).
set -euo pipefail
cd "$(dirname "$0")/.."
# Files and folders in the package are readable by everyone.
umask 022

out=build/package
rm -f "$out"/tubalyzer_*.deb

# The flags Debian builds its own packages with: stack protector, fortified
# string functions, read-only relocations, immediate binding.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)

cmake --preset package -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build --preset package -j "$(nproc)"
cpack --preset package >/dev/null
ls "$out"/tubalyzer_*.deb
