#!/usr/bin/env bash
# Builds the Debian package in a built build directory (cpack -G DEB), checks
# that it holds what an operator's PC needs, and unpacks it into
# <build>/package-root, a scratch root: nothing is installed on this machine.
#   bash scripts/package.sh [build dir]   (default build)
set -euo pipefail
dir="$(cd "${1:-$(dirname "$0")/../build}" && pwd)"
rm -f "$dir"/kavro-xb-scope_*.deb
(cd "$dir" && cpack -G DEB > cpack.log 2>&1) || { cat "$dir/cpack.log"; exit 1; }
deb=$(ls "$dir"/kavro-xb-scope_*.deb)

bad=0
listing=$(dpkg-deb -c "$deb")
for f in bin/kavro-xb-scope bin/kavro-xb-sim \
         share/kavro-xb-scope/KAVRO-XB-VevavA318.uir share/kavro-xb-scope/maker.json \
         share/applications/kavro-xb-scope.desktop \
         share/icons/hicolor/scalable/apps/kavro-xb-scope.svg \
         share/icons/hicolor/48x48/apps/kavro-xb-scope.png \
         share/icons/hicolor/256x256/apps/kavro-xb-scope.png \
         share/man/man1/kavro-xb-scope.1.gz share/doc/kavro-xb-scope/copyright; do
  grep -q " \./usr/$f\$" <<< "$listing" || { echo "$deb lacks /usr/$f"; bad=1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libqt6serialport6 libqcustomplot2.1-qt6 qt6-qpa-plugins; do
  grep -q "$p" <<< "$depends" || { echo "$deb does not depend on $p: $depends"; bad=1; }
done
[ "$bad" = 0 ] || exit 1

root="$dir/package-root"
rm -rf "$root"
mkdir -p "$root"
dpkg-deb -x "$deb" "$root"
echo "$(basename "$deb"): $(du -k "$deb" | cut -f1) KiB, depends on $depends; unpacked in $root"
