#!/usr/bin/env bash
# Opens the viewer on the bundled sample catalog. Builds only the viewer.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Keine grafische Oberfläche gefunden: Tarvelo braucht eine Desktop-Sitzung (X11 oder Wayland)." >&2
  exit 1
fi
tarvelo_install_packages "${TARVELO_VIEWER_PACKAGES[@]}"
tarvelo_build "$TARVELO_ROOT/build" tarvelo
exec "$TARVELO_ROOT/build/app/tarvelo" "$TARVELO_ROOT/data/sample"
