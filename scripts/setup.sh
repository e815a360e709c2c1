# Shared by the README commands: installs the Debian packages that are
# missing, then configures and builds into the given folder.
# Usage: source scripts/setup.sh
#        tarvelo_install_packages [extra packages...]
#        tarvelo_build BUILD_DIR TARGET|all [cmake options...]

# What the viewer needs to build and run, and what the tests add.
TARVELO_VIEWER_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-translations-l10n fonts-liberation
  libpoppler-cpp-dev libquazip1-qt6-dev libcsv-dev libxlsxwriter-dev)
TARVELO_TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev dpkg-dev file desktop-file-utils lintian appstream man-db)

tarvelo_install_packages() {
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
      echo "Es fehlen Debian-Pakete. Bitte als root ausführen und dann erneut starten:" >&2
      echo "  apt-get install -y ${missing[*]}" >&2
      exit 1
    fi
    sudo=(sudo)
  fi
  echo "Installiere: ${missing[*]}"
  "${sudo[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y "${missing[@]}"
}

tarvelo_build() {
  local dir="$1" target="$2"
  shift 2
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$TARVELO_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  fi
  cmake --build "$dir" --target "$target"
}

TARVELO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
