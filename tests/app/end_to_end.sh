#!/usr/bin/env bash
# The desktop program in a real X server under a window manager (openbox, where installed), driven by keys
# as a user would: a copy under a name of its own converts the two files it was started with, takes a
# third file from a second start of the same name (which ends at once) while a start on another display
# opens a window of its own, gives the keyboard to its open About box when started again, and leaves by
# File > Exit with a changed option in the Settings.ini beside it.
# Usage: end_to_end.sh MARLOWEN_EXECUTABLE. Exits 77 (skipped) where no X server can start.
set -euo pipefail
program="$1"

skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; exit 1; }
for tool in Xvfb xdotool pdftotext; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/deps.sh --tests installs it)"
done

source "$(dirname "$0")/../../scripts/x-session.sh"
x_session_start || skip "Xvfb did not start: $x_session_error"
first_display="$DISPLAY"
if command -v openbox >/dev/null; then
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  pids+=($!)
fi

# Waits up to 20 s for a command to succeed.
wait_for() {
  for _ in $(seq 200); do "$@" && return 0; sleep 0.1; done
  return 1
}
window() { timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -1; }
keys() { xdotool windowfocus --sync "$1"; shift; xdotool key --delay 50 "$@"; }

name="marlowen-e2e-$$"
mkdir "$work/app" "$work/other" "$work/texts"
cp "$program" "$work/app/$name"
cp "$program" "$work/other/$name"
cp "$program" "$work/other/front-$$" # another program, to be in front
printf '[Document Display Option]\nOpenResult=1\n' >"$work/app/Settings.ini"
for text in one two three four; do printf 'This is file %s.\n' "$text" >"$work/texts/$text.txt"; done

"$work/app/$name" -Embedding "$work/texts/one.txt" "$work/texts/two.txt" >"$work/first.log" 2>&1 &
first=$!
pids+=($first)
main="$(window '^Marlowen 2.0$')" || fail "no main window; the program said: $(cat "$work/first.log")"
[ -n "$main" ] || fail "no main window"
[ -z "$(xdotool search --name '^Tip of the Day$' 2>/dev/null)" ] || fail "-Embedding still showed the tip"

keys "$main" F5
wait_for test -s "$work/texts/one.pdf" -a -s "$work/texts/two.pdf" || fail "F5 did not convert both files"
for text in one two; do
  grep -q "This is file $text." <(pdftotext "$work/texts/$text.pdf" -) || fail "$text.pdf does not read back"
done
[ ! -e "$work/texts/three.pdf" ] || fail "three.pdf exists before it was handed over"

# A second start of the same name hands its file to the first and ends.
timeout 15 "$work/app/$name" "$work/texts/three.txt" >"$work/second.log" 2>&1 \
  || fail "the second start did not end at once: $(cat "$work/second.log")"
[ "$(xdotool search --name '^Marlowen 2.0$' | wc -l)" -eq 1 ] || fail "a second main window opened"
# A start of the same name on another display opens its own window there and hands nothing over.
x_server_start || fail "no second X server: $x_session_error"
DISPLAY="$x_display" "$work/other/$name" -Embedding "$work/texts/four.txt" >"$work/other.log" 2>&1 &
other=$!
pids+=($other)
DISPLAY="$x_display" window '^Marlowen 2.0$' >/dev/null \
  || fail "no window on the second display: $(cat "$work/other.log")"
kill "$other"
wait "$other" || fail "the copy on the second display ended with status $?"
# The list now holds three files: a second run converts the third too, and not the fourth.
keys "$main" F5
wait_for test -s "$work/texts/three.pdf" || fail "the handed-over file was not in the list"
grep -q "This is file three." <(pdftotext "$work/texts/three.pdf" -) || fail "three.pdf does not read back"
[ ! -e "$work/texts/four.pdf" ] || fail "the start on the second display handed its file over"

# With the About box open and another program in front, a second start gives the keyboard to the box.
keys "$main" alt+h a
about_box() { xdotool search --all --onlyvisible --pid "$first" --name '^Marlowen 2.0$' | grep -vx "$main"; }
wait_for about_box >/dev/null || fail "Help > About showed no box"
about="$(about_box)"
"$work/other/front-$$" -Embedding >"$work/front.log" 2>&1 &
front=$!
pids+=($front)
wait_for bash -c "xdotool getactivewindow | grep -qvx -e '$main' -e '$about'" || fail "the other program took no focus"
timeout 15 "$work/app/$name" >>"$work/second.log" 2>&1 || fail "the third start did not end at once"
wait_for bash -c "[ \"\$(xdotool getactivewindow)\" = '$about' ]" || fail "the About box did not get the keyboard"
xdotool key Escape
wait_for bash -c "! xdotool search --all --onlyvisible --pid $first --name '^Marlowen 2.0\$' | grep -qvx '$main'" \
  || fail "Escape did not close the About box"
kill "$front"

# File > Reset All Options, answered Yes, changes "Open Results" back to "Yes"; then File > Exit.
keys "$main" alt+f r
question="$(window '^Quenby$')" || fail "no reset question"
keys "$question" Return
wait_for grep -q '^OpenResult=0' "$work/app/Settings.ini" || fail "the reset option was not saved soon after"
keys "$main" alt+f x
wait_for bash -c "! kill -0 $first 2>/dev/null" || fail "File > Exit did not end the program"
wait "$first" || fail "the program ended with status $?: $(cat "$work/first.log")"
grep -q '^OpenResult=0' "$work/app/Settings.ini" || fail "Settings.ini beside the program lost the change"
echo "passed: two files converted, a third handed over and converted, a copy per display, the About box" \
  "activated by a second start, the changed option saved"
