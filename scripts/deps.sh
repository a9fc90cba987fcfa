#!/usr/bin/env bash
# Installs the Debian packages, only those missing: what building and running the programs needs
# (./run.sh), and with --tests what the tests need besides (./test.sh).
set -euo pipefail

packages=(
  cmake ninja-build ccache g++ pkg-config
  # libharu writes the PDFs, libqpdf encrypts them with AES (and the tests read PDFs back with it).
  libhpdf-dev zlib1g-dev libqpdf-dev
  # HarfBuzz's subsetter cuts the embedded TrueType fonts down to the glyphs a PDF draws.
  libharfbuzz-dev
  libuchardet-dev
  # fontconfig finds the installed fonts that draw characters the page font lacks.
  libfontconfig-dev
  qt6-base-dev qt6-svg-dev
  # The fonts the converter draws with by default and the samples of examples/.
  fonts-dejavu-core fonts-urw-base35
)
if [ "${1:-}" = --tests ]; then
  packages+=(
    libgtest-dev
    libqpdf-dev qpdf poppler-utils poppler-data
    fonts-wqy-zenhei t1utils
    # The vim tutors in Japanese, Greek, Russian and Vietnamese try the fallback fonts.
    vim-runtime
    libclang-rt-14-dev time
    # The desktop program's end-to-end test drives it in X servers of its own under a window
    # manager; dpkg-dev lets cpack find the libraries the Debian package depends on.
    xvfb xdotool openbox dpkg-dev
    # man renders the manual page for the test that compares it with --help; lintian checks the
    # Debian packages.
    man-db lintian
  )
fi
# clang builds the fuzz targets (fuzz/run.sh); the tests only replay their corpora with g++.
if [ "${MARLOWEN_WITH_FUZZ:-0}" = 1 ]; then packages+=(clang); fi
# scripts/screenshot.sh grabs the window with ImageMagick's import.
if [ "${MARLOWEN_WITH_SCREENSHOT:-0}" = 1 ]; then packages+=(imagemagick xvfb xdotool); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
