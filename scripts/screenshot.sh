#!/usr/bin/env bash
# Refreshes the README's screenshots of the window on the sample catalog,
# under a virtual X server: docs/window.png at scale 1, docs/window-scale2.png
# at QT_SCALE_FACTOR=2.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
tarvelo_install_packages "${TARVELO_VIEWER_PACKAGES[@]}" xvfb xauth imagemagick
tarvelo_build "$TARVELO_ROOT/build" tarvelo
mkdir -p "$TARVELO_ROOT/docs"

shoot() {
  local scale="$1" out="$2"
  QT_SCALE_FACTOR="$scale" xvfb-run -a -s "-screen 0 2000x1300x24" bash -c '
    "$0" "$1" & pid=$!
    sleep 3
    import -window root -crop "$2" +repage "$3"
    kill $pid' "$TARVELO_ROOT/build/app/tarvelo" "$TARVELO_ROOT/data/sample" "$3" "$out"
}
# The window opens at 68,106 (scaled with the desktop), 792 x 492 inside.
shoot 1 "$TARVELO_ROOT/docs/window.png" 792x492+68+106
shoot 2 "$TARVELO_ROOT/docs/window-scale2.png" 1584x984+136+212
echo "docs/window.png und docs/window-scale2.png erneuert."
