#!/usr/bin/env bash
# Builds the .deb from a build tree and checks what it installs and declares.
# Usage: check_package.sh BUILD_DIR
set -euo pipefail
build="$1"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb="$(ls "$out"/*.deb)"
contents="$(dpkg-deb -c "$deb" | awk '{print $6}')"
status=0
for path in ./usr/bin/tarvelo ./usr/share/applications/tarvelo.desktop \
            ./usr/share/icons/hicolor/scalable/apps/tarvelo.svg ./usr/share/doc/tarvelo/README.md \
            ./usr/share/tarvelo/sample/ZE-Katalog.csv; do
  grep -qx -- "$path" <<<"$contents" || { echo "missing from the package: $path"; status=1; }
done
programs="$(grep -c '^./usr/bin/.' <<<"$contents" || true)"
[ "$programs" = 1 ] || { echo "expected one program in /usr/bin, found $programs"; status=1; }
depends="$(dpkg-deb -f "$deb" Depends)"
for dependency in libqt6widgets6 fonts-liberation; do
  grep -q "$dependency" <<<"$depends" || { echo "Depends lacks $dependency: $depends"; status=1; }
done
if command -v desktop-file-validate >/dev/null; then
  dpkg-deb -x "$deb" "$out/root"
  desktop-file-validate "$out/root/usr/share/applications/tarvelo.desktop" || status=1
fi
exit $status
