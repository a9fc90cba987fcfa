#!/bin/sh
# marlowen-cli in pipes: "-o -" puts a PDF that qpdf accepts on standard output and nothing else;
# "-" reads the text from standard input, named "stdin" in what is printed. The temporary folder of
# "-o -" goes, also when the reader of standard output goes away first (exit status 1, said why).
set -eu
cli=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
: > "$dir/Settings.ini"
printf 'piped text\n' > "$dir/in.txt"
mkdir "$dir/tmp"
export TMPDIR="$dir/tmp"

"$cli" --settings "$dir/Settings.ini" -o - "$dir/in.txt" > "$dir/out.pdf" 2> "$dir/err"
qpdf --check "$dir/out.pdf" > /dev/null
pdftotext "$dir/out.pdf" - | grep -qx 'piped text'
grep -q "in.txt -> standard output$" "$dir/err"

head -c 300000 /dev/urandom | base64 > "$dir/long.txt"
{ code=0; "$cli" --settings "$dir/Settings.ini" -q -o - "$dir/long.txt" 2> "$dir/err" || code=$?
  echo "$code" > "$dir/code"; } | head -c 1 > /dev/null
if [ "$(cat "$dir/code")" -ne 1 ] || ! grep -q 'could not be written to standard output' "$dir/err"; then
    echo "a closed standard output gave exit code $(cat "$dir/code"): $(cat "$dir/err")" >&2
    exit 1
fi
if [ -n "$(ls -A "$dir/tmp")" ]; then
    echo "temporary files left behind: $(ls -A "$dir/tmp")" >&2
    exit 1
fi

cat "$dir/in.txt" | "$cli" --settings "$dir/Settings.ini" - -o "$dir/from-stdin.pdf" 2> "$dir/err"
pdftotext "$dir/from-stdin.pdf" - | grep -qx 'piped text'
grep -q '^File 1 of 1, 100%: stdin -> ' "$dir/err"

cat "$dir/in.txt" | "$cli" --settings "$dir/Settings.ini" -q - --combine - > "$dir/combined.pdf"
qpdf --check "$dir/combined.pdf" > /dev/null

code=0
"$cli" --settings "$dir/Settings.ini" - < "$dir/in.txt" 2> /dev/null || code=$?
if [ "$code" -ne 2 ]; then
    echo "standard input without -o gave exit code $code, not 2" >&2
    exit 1
fi
echo ok
