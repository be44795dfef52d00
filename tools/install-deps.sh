#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, when missing.
# Usage: tools/install-deps.sh [build|run|test]
set -euo pipefail

build=(cmake g++ make)
windows=(g++-mingw-w64-x86-64 mingw-w64-tools)
wine_run=(wine wine64 xvfb x11-utils imagemagick fonts-ipafont-gothic)
testing=(googletest libgtest-dev libbenchmark-dev clang libclang-rt-14-dev xdotool faketime)

case "${1:-test}" in
  run)  wanted=("${build[@]}" "${windows[@]}" "${wine_run[@]}") ;;
  *)    wanted=("${build[@]}" "${windows[@]}" "${wine_run[@]}" "${testing[@]}") ;;
esac

missing=()
for pkg in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$pkg")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
