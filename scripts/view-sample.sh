#!/usr/bin/env bash
# Opens the viewer on the bundled sample catalog.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
tarvelo_install_packages
tarvelo_build "$TARVELO_ROOT/build"
cd "$TARVELO_ROOT/data/sample"
exec "$TARVELO_ROOT/build/app/tarvelo"
