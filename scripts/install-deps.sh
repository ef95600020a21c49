#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs every Debian 12 package the launcher needs to build, run and test.
# Idempotent; works as root (no sudo needed) or as a user with sudo.
set -euo pipefail

packages=(
  # toolchain
  build-essential cmake ninja-build pkg-config clang clang-format libclang-rt-14-dev
  # compiler cache: the build scripts put it in front of the compiler when present
  ccache
  # Qt 6.4: core, network, Quick/QML and the modules the window uses
  qt6-base-dev qt6-base-dev-tools qt6-declarative-dev qt6-declarative-dev-tools
  qt6-5compat-dev qt6-svg-dev qt6-qpa-plugins libqt6svg6
  qml6-module-qtquick qml6-module-qtquick-window qml6-module-qtquick-controls
  qml6-module-qtquick-layouts qml6-module-qtquick-templates qml6-module-qtquick-dialogs
  qml6-module-qtqml-workerscript qml6-module-qt5compat-graphicaleffects
  qml6-module-qt-labs-platform qml6-module-qtquick-shapes
  # QtQml's and QtQml.Models' type information, which qmllint (scripts/qmllint.sh) reads
  qml6-module-qtqml qml6-module-qtqml-models
  # translations: lupdate/lrelease and the CMake package that drives them
  qt6-l10n-tools qt6-tools-dev
  # strict JSON parser for the update manifest (header-only)
  nlohmann-json3-dev
  # inflates the patch archive's entries to check them before unzip runs
  zlib1g-dev
  # keyring
  libsecret-1-dev gnome-keyring dbus dbus-x11
  # tools the launcher runs, and the ones its tests use
  tar gzip unzip zip curl xvfb xauth libgl1-mesa-dri fonts-dejavu-core
  desktop-file-utils appstream dpkg-dev file time
  # renders the application icon from its SVG source
  librsvg2-bin
  # the packaging test: Debian's package checker, and man to read the manual page
  lintian man-db groff-base
  # sanitizer builds (scripts/sanitize.sh): gcc's ThreadSanitizer runtime and
  # setarch; clang's AddressSanitizer/UBSan runtime is in libclang-rt-14-dev
  util-linux libtsan2
  # symbols no stock font draws (the console's download arrow)
  fonts-symbola
  # draws Chinese: the language choice and the translation (the package depends on it)
  fonts-wqy-microhei
  # the window's accessibility test: the AT-SPI bus, its Python client, and
  # xdotool to give the window input focus under Xvfb without a window manager
  at-spi2-core python3-pyatspi xdotool
)

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ "${#missing[@]}" -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
