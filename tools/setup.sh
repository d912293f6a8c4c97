#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Idempotent: asks dpkg first and calls apt-get only for what is missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libgl-dev
  libqscintilla2-qt6-dev
  libicu-dev libpng-dev zlib1g-dev
  googletest libgtest-dev libbenchmark-dev
  xvfb xauth xdotool xclip x11-utils x11-xserver-utils imagemagick dbus dbus-x11 xdg-utils python3
  at-spi2-core python3-pyatspi
  fonts-noto-cjk
  fcitx5 fcitx5-chinese-addons fcitx5-frontend-qt6 ibus ibus-libpinyin
  dpkg-dev lintian desktop-file-utils appstream
  g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine wine64 locales nsis osslsigncode openssl zip
  clang libclang-rt-dev clang-format clang-tidy
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
