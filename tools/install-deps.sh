#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, when missing.
# Usage: tools/install-deps.sh [build|run|test]
set -euo pipefail

build=(cmake g++ make)
windows=(g++-mingw-w64-x86-64 mingw-w64-tools)
wine_run=(wine wine64 xvfb x11-utils imagemagick fonts-ipafont-gothic)
testing=(googletest libgtest-dev libbenchmark-dev clang libclang-rt-14-dev xdotool faketime locales)

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
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# Wine enters a working folder with a Japanese name only when the locale
# named in LC_ALL is generated; the end-to-end tests run under these two.
[ "${1:-test}" = run ] && exit 0
gen=()
for loc in ja_JP en_US; do
  locale -a | grep -qix "$loc.utf-\{0,1\}8" || gen+=("$loc")
done
[ ${#gen[@]} -eq 0 ] && exit 0
echo "Generating locales: ${gen[*]}"
for loc in "${gen[@]}"; do
  # Uncomments the line, or adds it when the file lacks it.
  "${sudo_cmd[@]}" sed -i "s/^# *\($loc\.UTF-8 UTF-8\)/\1/" /etc/locale.gen
  grep -q "^$loc\.UTF-8 UTF-8" /etc/locale.gen || echo "$loc.UTF-8 UTF-8" | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
done
"${sudo_cmd[@]}" locale-gen >/dev/null
