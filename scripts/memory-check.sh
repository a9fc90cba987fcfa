#!/usr/bin/env bash
# Converts a generated text file of several hundred MB with the command-line converter and checks
# that its peak memory grows no faster than the input: the converter holds one copy of the text; the
# PDF library holds every page's content and objects until it saves, and then the compressed PDF.
# The limit is five times the input and a fixed allowance.
#   scripts/memory-check.sh [MB]        (default 300; the file goes to build/memory-check/)
# Not part of the CTest run: it takes a while and needs the memory.
set -euo pipefail
cd "$(dirname "$0")/.."
mb="${1:-300}"
scripts/deps.sh --tests
[ -f build/build.ninja ] || cmake --preset normal >/dev/null
cmake --build build --target marlowen-cli >/dev/null
dir=build/memory-check
mkdir -p "$dir"
input="$dir/large.txt"
head -c "${mb}M" > "$input" \
  < <(yes "A line of an ordinary log or text file, seventy-odd characters long, with words.")
bytes=$(stat -c %s "$input")
report="$dir/time.txt"
/usr/bin/time -v -o "$report" build/cli/marlowen-cli --quiet "$input"
peak_kb=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$report")
seconds=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$report")
pdf_bytes=$(stat -c %s "$dir/large.pdf")
limit_kb=$(( (5 * bytes) / 1024 + 64 * 1024 ))
echo "input $((bytes / 1048576)) MB, PDF $((pdf_bytes / 1048576)) MB, time $seconds," \
     "peak memory $((peak_kb / 1024)) MB (limit $((limit_kb / 1024)) MB: five times the input and 64 MB)"
rm -f "$input" "$dir/large.pdf"
[ "$peak_kb" -le "$limit_kb" ] || { echo "FAILED: the peak memory exceeds the limit"; exit 1; }
