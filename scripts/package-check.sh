#!/usr/bin/env bash
# Builds the two Debian packages without the tests, checks them with lintian (no error or warning may
# remain), installs them with apt on this machine, runs both programs as a user would from a terminal,
# and purges the packages again (their dependencies stay). Needs root or sudo.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
command -v lintian >/dev/null || DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq lintian
dir=build-package
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMARLOWEN_TESTS=OFF -DMARLOWEN_WERROR=ON
cmake --build "$dir" -j "$(nproc)"
rm -f "$dir"/marlowen*_*.deb
(cd "$dir" && cpack -G DEB)
packages=("$dir"/marlowen-cli_*.deb "$dir"/marlowen_*.deb)
# Neither errors nor warnings; lintian exits non-zero on errors, so warnings are looked for.
report="$(lintian --fail-on error,warning "${packages[@]}")" || { echo "$report"; exit 1; }
[ -z "$report" ] || echo "$report"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${packages[@]/#/./}" >/dev/null
trap 'DEBIAN_FRONTEND=noninteractive $sudo apt-get purge -y -qq marlowen marlowen-cli >/dev/null' EXIT
/usr/bin/marlowen-cli --version
/usr/bin/marlowen --version
man -w marlowen marlowen-cli >/dev/null
for p in marlowen marlowen-cli; do grep -q '^License: Expat' "/usr/share/doc/$p/copyright"; done
dpkg-query -W -f='${Package} ${Version}: depends on ${Depends}; recommends ${Recommends}\n' marlowen-cli marlowen
