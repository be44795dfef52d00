#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, when missing,
# and for testing generates the ja_JP.UTF-8 and en_US.UTF-8 locales.
# Usage: tools/install-deps.sh [build|run|release|test]
set -euo pipefail

build=(cmake g++ make)
windows=(g++-mingw-w64-x86-64 mingw-w64-tools)
packing=(zip)
wine_run=(wine wine64 xvfb x11-utils imagemagick fonts-ipafont-gothic)
testing=(googletest libgtest-dev libbenchmark-dev clang libclang-rt-14-dev clang-format-14 xdotool faketime unzip locales
         python3-icalendar python3-dateutil)

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

[ "$mode" = test ] || exit 0

# Wine enters a folder with a Japanese name only when the locale named in
# LC_ALL is generated; a fresh Debian has only C.UTF-8. The tests run Wine
# under ja_JP.UTF-8 and en_US.UTF-8.
generate=()
for name in ja_JP en_US; do
  locale -a 2>/dev/null | grep -x "$name\.utf8" >/dev/null || generate+=("$name")
done
[ ${#generate[@]} -eq 0 ] && exit 0

echo "Generating locales: ${generate[*]}"
for name in "${generate[@]}"; do
  entry="$name.UTF-8 UTF-8"
  if grep -q "^# *$entry\$" /etc/locale.gen; then
    "${sudo_cmd[@]}" sed -i "s/^# *$entry\$/$entry/" /etc/locale.gen
  elif ! grep -qx "$entry" /etc/locale.gen; then
    echo "$entry" | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  fi
done
"${sudo_cmd[@]}" locale-gen >/dev/null
