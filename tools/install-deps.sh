#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, when missing.
# Usage: tools/install-deps.sh [build|run|release|test]
set -euo pipefail

build=(cmake g++ make)
windows=(g++-mingw-w64-x86-64 mingw-w64-tools)
packing=(zip)
wine_run=(wine wine64 xvfb x11-utils imagemagick fonts-ipafont-gothic)
testing=(googletest libgtest-dev libbenchmark-dev clang libclang-rt-14-dev xdotool faketime)

mode=${1:-test}
case $mode in
  run)     wanted=("${build[@]}" "${windows[@]}" "${wine_run[@]}") ;;
  release) wanted=("${build[@]}" "${windows[@]}" "${packing[@]}") ;;
  *)       wanted=("${build[@]}" "${windows[@]}" "${packing[@]}" "${wine_run[@]}" "${testing[@]}") ;;
esac

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

missing=()
for pkg in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$pkg")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi

