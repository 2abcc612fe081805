#!/usr/bin/env bash
# Installs, with apt-get, whatever the build, the tests and the application need and this
# Debian machine lacks. Runs as root or through sudo.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-serialport-dev libgl-dev qt6-qpa-plugins qt6-translations-l10n
  fonts-noto-cjk xvfb xauth
  # The icons and manual pages the build makes, and the Debian package (dpkg-shlibdeps).
  librsvg2-bin help2man dpkg-dev
  # The tests: validators of the desktop files, and setpriv to run as an ordinary user.
  desktop-file-utils appstream shared-mime-info libxml2-utils util-linux
  # The fuzz targets and the sanitized build.
  clang libclang-rt-14-dev
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "install-deps: run as root or install sudo" >&2; exit 1; }
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
