#!/usr/bin/env bash
# Makes the two Debian packages of the build folder $1 into a folder of their own and checks what a
# user installing them relies on: lintian finds neither errors nor warnings, the converter's package
# pulls no Qt library, no package names a dependency twice, and each has its copyright file, changelog
# and compressed manual page.
set -euo pipefail
build="$1"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
cli="$(ls "$out"/marlowen-cli_*.deb)"
desktop="$(ls "$out"/marlowen_*.deb)"
lintian --fail-on error,warning "$cli" "$desktop" 2>/dev/null | grep -E '^[EW]:' && exit 1
depends() { dpkg-deb -f "$1" Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//'; }
if depends "$cli" | grep -q '^libqt'; then
  echo "marlowen-cli depends on Qt: $(dpkg-deb -f "$cli" Depends)"; exit 1
fi
for deb in "$cli" "$desktop"; do
  twice="$(depends "$deb" | sort | uniq -d)"
  [ -z "$twice" ] || { echo "$(basename "$deb") names $twice twice"; exit 1; }
done
check_files() {
  local deb="$1" package="$2" page="$3"
  local files
  files="$(dpkg-deb -c "$deb" | awk '{print $6}')"
  for f in "./usr/share/doc/$package/copyright" "./usr/share/doc/$package/changelog.gz" \
           "./usr/share/man/man1/$page.1.gz"; do
    grep -qx "$f" <<<"$files" || { echo "$package lacks $f"; exit 1; }
  done
}
check_files "$cli" marlowen-cli marlowen-cli
check_files "$desktop" marlowen marlowen
echo "both packages pass lintian: $(basename "$cli") $(basename "$desktop")"
