#!/usr/bin/env bash
# Checks tools/release.sh: built here, then from a copy of the tree under
# another path, later, with another time zone, umask and locale, it must give
# the same bytes; then the archive, readme.txt (as Notepad on a Japanese
# Windows reads it) and the sums. Usage: tests/release/run.sh (about a minute)
set -euo pipefail
cd "$(dirname "$0")/../.."

failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
work=$(mktemp -d "${TMPDIR:-/tmp}/notavex-release.XXXXXX")
trap 'rm -rf "$work"' EXIT

release() {  # log, then the command
  local log=$1 started=$SECONDS
  shift
  "$@" >"$log" 2>&1 || { cat "$log"; echo "FAIL release build: $*"; exit 1; }
  echo "release: built in $((SECONDS - started))s"
}

# The copy holds the working tree's files but no .git: the commit's time
# comes as SOURCE_DATE_EPOCH.
release "$work/first.log" tools/release.sh
epoch=$(git log -1 --format=%ct)
copy="$work/elsewhere/notavex source"
mkdir -p "$copy"
git ls-files -z --cached --others --exclude-standard |
  tar --null --ignore-failed-read -T - -cf - 2>/dev/null | tar -xf - -C "$copy"
release "$work/second.log" env -C "$copy" TZ=Asia/Tokyo LC_ALL=C SOURCE_DATE_EPOCH="$epoch" \
  bash -c 'umask 077 && exec tools/release.sh'

zip=$(echo dist/notavex-*-win64.zip)
for f in "$zip" dist/notavex.exe dist/SHA256SUMS; do
  cmp -s "$f" "$copy/$f" || fail "$f differs between the two builds"
done
(cd dist && sha256sum --quiet -c SHA256SUMS) || fail "sha256sum -c in dist/"
unzip -p "$zip" notavex/notavex.exe | cmp -s - dist/notavex.exe || fail "the zip's notavex.exe is not dist/notavex.exe"
pe=$(od -An -tu4 -j60 -N4 dist/notavex.exe)  # COFF time stamp: 8 bytes after "PE\0\0"
[ "$(od -An -tu4 -j$((pe + 8)) -N4 dist/notavex.exe | tr -d ' ')" = 0 ] || fail "notavex.exe carries a link time"

# One folder, a fixed order, the commit's time in UTC (zip keeps even
# seconds, rounding up), and no extra fields (they would carry user ids).
[ "$(zipinfo -1 "$zip" | tr '\n' ' ')" = "notavex/ notavex/notavex.exe notavex/readme.txt notavex/LICENSE.txt " ] ||
  fail "entries of $zip: $(zipinfo -1 "$zip" | tr '\n' ' ')"
stamp=$(date -u -d "@$(( (epoch + 1) / 2 * 2 ))" +%Y%m%d.%H%M%S)
zipinfo -T "$zip" | awk -v want="$stamp" '/ notavex\// && $7 != want { bad = 1 } END { exit bad }' ||
  fail "entries of $zip are not dated $stamp"
zipinfo -v "$zip" | grep 'length of extra field:' | grep -qv ' 0 bytes' && fail "entries of $zip have extra fields"

for name in readme.txt LICENSE.txt; do
  unzip -p "$zip" "notavex/$name" >"$work/$name"
  # CR LF only: every line ends in CR, and there are no other CRs.
  if LC_ALL=C grep -qv $'\r$' "$work/$name" ||
    [ "$(tr -cd '\r' <"$work/$name" | wc -c)" != "$(tr -cd '\n' <"$work/$name" | wc -c)" ]; then
    fail "$name has line ends other than CR LF"
  fi
done
if ! iconv -f CP932 -t UTF-8 "$work/readme.txt" | tr -d '\r' >"$work/readme.utf8"; then
  fail "readme.txt does not decode as code page 932"
fi
# Notepad gives a CP932 byte one column: lines fit about 70 columns.
LC_ALL=C awk 'length > 71 { bad = 1 } END { exit bad }' "$work/readme.txt" || fail "readme.txt has lines over 70 columns"
version=${zip#dist/notavex-}
grep -q "Notavex Ver\.${version%-win64.zip}\$" "$work/readme.utf8" || fail "readme.txt does not name its version"
for section in 概要 動作環境 インストール "Windows と同時に起動する" 使い方 ファイル \
  アンインストール 初めて起動するとき ライセンス 履歴 "In English"; do
  grep -q "^■ [0-9]*\. $section\$" "$work/readme.utf8" || fail "readme.txt has no section $section"
done

[ "$failures" -eq 0 ] || { echo "release: $failures check(s) failed"; exit 1; }
echo "release: the two builds are the same bytes; archive, readme and sums as they should be"
