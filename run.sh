#!/usr/bin/env bash
# Installs what is missing, builds, and runs the program.
# Without arguments it converts the sample texts in examples/; with files or folders it converts those.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cd "$here"
scripts/deps.sh
scripts/build.sh build >/dev/null
cli="$here/build/cli/marlowen-cli"
if [ $# -eq 0 ]; then
  "$cli" "$here/examples/texts"
  echo "PDFs written beside the texts in $here/examples/texts:"
  ls -1 "$here/examples/texts/"*.pdf
else
  "$cli" "$@"
fi
