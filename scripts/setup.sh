#!/usr/bin/env bash
# Installs what the build and the tests need, with apt-get; quiet when everything is there.
set -euo pipefail

packages=(
  cmake g++ make python3 clang clang-format libclang-rt-14-dev
  googletest libgtest-dev libbenchmark-dev libmuparser-dev
  mingw-w64 wine wine64
  xvfb xdotool imagemagick fonts-wqy-microhei
  wixl msitools
  cups printer-driver-cups-pdf poppler-utils
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}" >/dev/null
fi
