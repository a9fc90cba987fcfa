#!/usr/bin/env bash
# Takes the README's picture of the main window: the desktop program in an X server of its own (Xvfb),
# with the sample texts in its list and the first one previewed, grabbed into docs/main-window.png
# (or the file given as $1).
set -euo pipefail
cd "$(dirname "$0")/.."
out="$(realpath -m "${1:-docs/main-window.png}")"
MARLOWEN_WITH_SCREENSHOT=1 scripts/deps.sh
cmake --build build --target marlowen -j2 >/dev/null

source scripts/x-session.sh
x_session_start || { echo "Xvfb did not start: $x_session_error"; exit 1; }
export XDG_CONFIG_HOME="$work/config"

# A copy of its own, so that the picture shows the default options.
cp build/app/marlowen "$work/marlowen"
"$work/marlowen" -Embedding examples/texts/*.txt &
pids+=($!)
window="$(timeout 20 xdotool search --sync --onlyvisible --name '^Marlowen 2.0$' | head -1)"
xdotool windowfocus --sync "$window"
# The first file of the list, clicked: its text shows in the preview.
xdotool mousemove --window "$window" 120 48 click 1
sleep 1
mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
echo "$out"
