#!/usr/bin/env bash
# Builds the download for Windows users from the current commit:
#   dist/notavex-<version>-win64.zip  one folder notavex/ with notavex.exe,
#                                     readme.txt and LICENSE.txt
#   dist/notavex.exe                  the same program as in the zip
#   dist/SHA256SUMS                   both sums, as sha256sum -c reads them
# The version is the CMake project version. The same commit gives the same
# bytes wherever, whenever and by whomever it is built (with the same Debian
# packages): the program carries no time or path, and the zip's entries come
# in a fixed order with the commit's time (SOURCE_DATE_EPOCH when set),
# written as UTC, fixed permissions and no extra fields.
# Usage: tools/release.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

tools/install-deps.sh release

# Nothing of the caller's environment may reach the bytes.
export LC_ALL=C TZ=UTC
umask 022

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  if ! SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null); then
    echo "not a git checkout: set SOURCE_DATE_EPOCH to the time of the commit built" >&2
    exit 2
  fi
fi
export SOURCE_DATE_EPOCH
if [ -n "$(git status --porcelain --untracked-files=no 2>/dev/null)" ]; then
  echo "warning: uncommitted changes go into this build; its bytes belong to no commit" >&2
fi

echo "== building notavex.exe (build/release)"
build=build/release
rm -rf "$build"
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" --target notavex >/dev/null
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || { echo "no CMAKE_PROJECT_VERSION in $build/CMakeCache.txt" >&2; exit 1; }

# LICENSE.txt carries the notices of the runtime libraries linked in; a
# library that is neither among them nor an import library of Windows' own
# DLLs must get its notice first.
noticed=" crt2.o crtbegin.o crtend.o libmingw32.a libmingwex.a libmsvcrt.a libgcc.a libgcc_eh.a libstdc++.a "
windows_dlls=" libkernel32.a libuser32.a libgdi32.a libshell32.a libole32.a "
linked=$(awk '
  /^Archive member included/ { members = 1; next }
  /^(Discarded input sections|Memory Configuration)/ { members = 0 }
  members && /^[^ ]/ { sub(/\(.*/, ""); print }
  /^LOAD .*\.o$/ { print $2 }' "$build/app/notavex.map" | sed 's|.*/||' | sort -u)
for lib in $linked; do
  case $lib in libnotavex_*.a | objects.a) continue ;; esac
  if [[ $noticed != *" $lib "* && $windows_dlls != *" $lib "* ]]; then
    echo "$lib is linked into notavex.exe: add its notice to release/runtime-notices.txt" \
      "and its name to the list in tools/release.sh" >&2
    exit 1
  fi
done

# A version without its entry in the readme's history is not ready.
if ! grep -qx "Ver\.$version" release/readme.txt; then
  echo "release/readme.txt has no history entry 'Ver.$version'" >&2
  exit 1
fi

echo "== packing"
stage=$build/stage
mkdir -p "$stage/notavex"
cp "$build/app/notavex.exe" "$stage/notavex/notavex.exe"
# The readme is kept as UTF-8 for review; Notepad on a Japanese Windows reads
# code page 932 with CR LF. iconv stops on a character that code page lacks.
sed "s/@VERSION@/$version/g; s/\$/\r/" release/readme.txt | iconv -f UTF-8 -t CP932 \
  >"$stage/notavex/readme.txt"
cat LICENSE release/runtime-notices.txt | iconv -f UTF-8 -t ASCII | sed 's/$/\r/' \
  >"$stage/notavex/LICENSE.txt"
chmod 755 "$stage/notavex" "$stage/notavex/notavex.exe"
chmod 644 "$stage/notavex/readme.txt" "$stage/notavex/LICENSE.txt"
touch -d "@$SOURCE_DATE_EPOCH" "$stage/notavex"/* "$stage/notavex"

# zip converts times with the local zone, here UTC; -X leaves out the extra
# fields (Unix times, owner ids).
zip_name=notavex-$version-win64.zip
(cd "$stage" && zip -q -X -9 "../$zip_name" \
  notavex/ notavex/notavex.exe notavex/readme.txt notavex/LICENSE.txt)

rm -rf dist
mkdir dist
cp "$build/$zip_name" "dist/$zip_name"
cp "$build/app/notavex.exe" dist/notavex.exe
(cd dist && sha256sum "$zip_name" notavex.exe >SHA256SUMS)

commit=$(git rev-parse --short HEAD 2>/dev/null || echo "a tree outside git")
echo "== Notavex $version from $commit, entries dated $(date -u -d "@$SOURCE_DATE_EPOCH" '+%F %T') UTC"
cat dist/SHA256SUMS
echo "dist/$zip_name: $(stat -c %s "dist/$zip_name") bytes"
echo "built with $(x86_64-w64-mingw32-g++ --version | head -n 1)," \
  "mingw-w64 $(dpkg-query -W -f='${Version}' mingw-w64-x86-64-dev)," \
  "$(x86_64-w64-mingw32-ld --version | head -n 1)"
