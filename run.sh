#!/usr/bin/env bash
# Installs what is missing, builds, and runs the program.
# With a display ($DISPLAY or $WAYLAND_DISPLAY) it starts the desktop program, with the files and
# folders given as arguments in its list. Without one it converts them (by default the sample texts
# in examples/) with marlowen-cli.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/deps.sh"
# The two programs only: a first build takes some minutes (its progress and any error show here).
if [ -f "$here/build/build.ninja" ]; then
  MARLOWEN_TARGETS="marlowen marlowen-cli" "$here/scripts/build.sh" build
else
  MARLOWEN_TARGETS="marlowen marlowen-cli" "$here/scripts/build.sh" build -DMARLOWEN_TESTS=OFF
fi
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$here/build/app/marlowen" "$@"
fi
cli="$here/build/cli/marlowen-cli"
if [ $# -eq 0 ]; then
  "$cli" "$here/examples/texts"
  echo "PDFs written beside the texts in $here/examples/texts:"
  ls -1 "$here/examples/texts/"*.pdf
else
  "$cli" "$@"
fi
echo "No display found (\$DISPLAY, \$WAYLAND_DISPLAY): converted with marlowen-cli."
echo "On a desktop, ./run.sh [FILE...] starts the desktop program, $here/build/app/marlowen."
