#!/usr/bin/env bash
# Builds the Debian package, installs it with apt on this machine, runs the installed marlowen-cli
# --help, and removes the package again (its dependencies stay). Needs root or sudo.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --tests
scripts/build.sh build >/dev/null
(cd build && cpack -G DEB >/dev/null)
package="$(ls -t build/marlowen_*_*.deb | head -1)"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "./$package" >/dev/null
trap 'DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y -qq marlowen >/dev/null' EXIT
/usr/bin/marlowen-cli --help | head -1
grep -q '^License: Expat' /usr/share/doc/marlowen/copyright
dpkg-query -W -f='${Package} ${Version} installed; depends on ${Depends}\n' marlowen
