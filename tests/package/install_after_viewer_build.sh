#!/usr/bin/env bash
# The README's viewer command builds the program alone; installing right
# after it must find everything it installs (the manual page and the
# changelog are made by the build, not kept in the source tree), and the
# installed program must find the workbook writer installed beside it.
# Usage: install_after_viewer_build.sh BUILD_DIR
set -euo pipefail
build="$1"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
rm -f "$build/tarvelo.1.gz" "$build/changelog.gz"
cmake --build "$build" --target tarvelo >/dev/null
DESTDIR="$out" cmake --install "$build" --prefix /usr >/dev/null
status=0
for path in usr/bin/tarvelo usr/libexec/tarvelo/tarvelo-xlsx usr/share/man/man1/tarvelo.1.gz \
            usr/share/doc/tarvelo/changelog.gz; do
  [ -s "$out/$path" ] || { echo "not installed: $path"; status=1; }
done
# The installed program finds its workbook writer where it was installed.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$out/usr/bin/tarvelo" --compare 2024 2025 \
  --xlsx "$out/vergleich.xlsx" "$out/usr/share/tarvelo/sample" || status=1
[ "$(head -c 2 "$out/vergleich.xlsx" 2>/dev/null)" = PK ] || { echo "no workbook from the installed program"; status=1; }
exit $status
