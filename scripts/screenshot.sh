#!/usr/bin/env bash
# Refreshes the README's screenshots under a virtual X server: the window on
# the sample catalog (docs/window.png at scale 1, docs/window-scale2.png at
# QT_SCALE_FACTOR=2), the search window with a pasted case list on the
# sample made to have long descriptions (docs/search.png, docs/search-scale2.png),
# the status line (docs/status-line.png) and the year comparison
# (docs/comparison.png).
set -euo pipefail
source "$(dirname "$0")/setup.sh"
tarvelo_install_packages "${TARVELO_VIEWER_PACKAGES[@]}" xvfb xauth imagemagick xdotool xclip
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
# The window opens at 68,106 (scaled with the desktop): the menu bar, the
# form of 792 x 492 and the status line, 530 high in all.
shoot 1 "$TARVELO_ROOT/docs/window.png" 792x530+68+106
shoot 2 "$TARVELO_ROOT/docs/window-scale2.png" 1584x1060+136+212

# The sample with the long ZE descriptions of a real catalog's dose classes.
long=$(mktemp -d)
trap 'rm -rf "$long"' EXIT
cp "$TARVELO_ROOT"/data/sample/* "$long"/
LC_ALL=C awk -F';' 'BEGIN { OFS = ";" }
  $4 != "" { $5 = $5 ", je Behandlung, einschliesslich Vor- und Nachbereitung, bei Patienten mit chronischer Niereninsuffizienz" }
  { print }' "$TARVELO_ROOT/data/sample/ZE-Katalog.csv" >"$long/ZE-Katalog.csv"

shoot_search() {
  local scale="$1" out="$2"
  QT_SCALE_FACTOR="$scale" xvfb-run -a -s "-screen 0 2400x1600x24" bash -c '
    "$0" "$1" & pid=$!
    sleep 3
    xdotool mousemove 300 300 click 1
    xdotool key ctrl+f
    sleep 1
    printf "1. 8-854.2 (03.01.2026)\n2. 5-38a.70 R\n3. 8-855.1\n4. 8-810.w2" | xclip -selection clipboard -loops 1 &
    sleep 0.5
    xdotool key ctrl+v
    sleep 1
    xdotool key Down
    sleep 1
    import -window "$(xdotool search --name "^Suche\$" | head -1)" "$2"
    kill $pid' "$TARVELO_ROOT/build/app/tarvelo" "$long" "$out"
}
# A new user's size, not one remembered from an earlier run.
export XDG_CONFIG_HOME="$long/config"
shoot_search 1 "$TARVELO_ROOT/docs/search.png"
shoot_search 2 "$TARVELO_ROOT/docs/search-scale2.png"
# The status line after 8-854.2 on the 2012 catalog imported from its
# annexes, where the code triggers ZE01.01 and ZE01.02.
imported=$(mktemp -d)
trap 'rm -rf "$long" "$imported"' EXIT
annexes="$TARVELO_ROOT/tests/data/annexes/2012"
"$TARVELO_ROOT/build/app/tarvelo" --import 2012 --anlage2 "$annexes/Anlage2.csv" --anlage4 "$annexes/Anlage4.csv" \
  --anlage5 "$annexes/Anlage5.pdf" --anlage6 "$annexes/Anlage6.pdf" --folder "$imported" >/dev/null
xvfb-run -a -s "-screen 0 1600x1000x24" bash -c '
  "$0" "$1" & pid=$!
  sleep 3
  xdotool mousemove 100 170 click 1; sleep 0.3; xdotool key ctrl+a; xdotool type 2012; sleep 0.5
  xdotool mousemove 185 170 click 1; sleep 0.3; xdotool type 8-854.2; sleep 1
  import -window root -crop 792x530+68+106 +repage "$2"
  kill $pid' "$TARVELO_ROOT/build/app/tarvelo" "$imported" "$TARVELO_ROOT/docs/status-line.png"
# The year comparison on two generated years with every kind of change.
tarvelo_build "$TARVELO_ROOT/build" generate_catalog
pair=$(mktemp -d)
trap 'rm -rf "$long" "$imported" "$pair"' EXIT
"$TARVELO_ROOT/build/bench/generate_catalog" --year-pair "$pair" 2>/dev/null
"$TARVELO_ROOT/build/app/tarvelo" --rebuild "$pair" >/dev/null
xvfb-run -a -s "-screen 0 1600x1000x24" bash -c '
  "$0" "$1" & pid=$!
  sleep 3
  xdotool mousemove 300 300 click 1; xdotool key ctrl+j; sleep 1.5
  import -window "$(xdotool search --name "^Jahresvergleich\$" | head -1)" "$2"
  kill $pid' "$TARVELO_ROOT/build/app/tarvelo" "$pair" "$TARVELO_ROOT/docs/comparison.png"
echo "docs/window.png, docs/window-scale2.png, docs/search.png, docs/search-scale2.png, docs/status-line.png und docs/comparison.png erneuert."
