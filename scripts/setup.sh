# Shared by the README commands: installs the Debian packages the build needs
# (only those missing), then configures and builds into the given folder.
# Usage: source scripts/setup.sh; tarvelo_build BUILD_DIR [cmake options...]

TARVELO_PACKAGES=(cmake ninja-build g++ qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation)

tarvelo_install_packages() {
  local missing=()
  for package in "${TARVELO_PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

tarvelo_build() {
  local dir="$1"
  shift
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$TARVELO_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  fi
  cmake --build "$dir"
}

TARVELO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
