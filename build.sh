#!/usr/bin/env bash
# Golazzo 2001: set-up, build and run or test.
#   ./build.sh run    installs missing packages, builds (Release, build/) and starts the program
#   ./build.sh test   the same set-up, then the whole test suite through CTest
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libqt6sql6-sqlite libqt6opengl6-dev
  libturbojpeg0-dev libsqlite3-dev libbenchmark-dev
  fonts-dejavu-core qt6-translations-l10n desktop-file-utils
  clang libclang-rt-14-dev
)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "== Instalando pacotes: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
  fi
}

build() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
  cmake --build build --parallel "$(nproc)"
}

case "${1:-}" in
  run)
    install_missing
    build
    exec ./build/golazzo
    ;;
  test)
    install_missing
    build
    cd build
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" --timeout 600
    ;;
  *)
    echo "uso: ./build.sh run | ./build.sh test" >&2
    exit 2
    ;;
esac
