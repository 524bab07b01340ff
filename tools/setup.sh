#!/usr/bin/env bash
# Sets up a Debian 12 machine (as root), builds, and then starts the program
# ("run") or runs every test headless ("test").
set -euo pipefail

mode=${1:-run}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$here"

build_packages=(cmake g++ make pkg-config qt6-base-dev qt6-svg-dev qt6-qpa-plugins libpcre2-dev libcups2-dev fonts-liberation2)
test_packages=(poppler-utils xvfb xauth x11-utils cups cups-ipp-utils printer-driver-cups-pdf openssl)

install_missing() {
  local missing=()
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done
  if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

# -O2 without debug information keeps a full build within CI's time on two cores.
build() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-O2
  cmake --build build -j"$(nproc)"
}

case "$mode" in
  run)
    install_missing "${build_packages[@]}"
    build
    exec build/bin/qmrk-w2
    ;;
  test)
    install_missing "${build_packages[@]}" "${test_packages[@]}"
    build
    QMRK_REQUIRE_TOOLS=1 QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$(nproc)"
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
