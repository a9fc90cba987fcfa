#!/bin/sh
# marlowen-cli in pipes: "-o -" puts a PDF that qpdf accepts on standard output and nothing else;
# "-" reads the text from standard input, named "stdin" in what is printed.
set -eu
cli=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
: > "$dir/Settings.ini"
printf 'piped text\n' > "$dir/in.txt"

"$cli" --settings "$dir/Settings.ini" -q -o - "$dir/in.txt" > "$dir/out.pdf"
qpdf --check "$dir/out.pdf" > /dev/null
pdftotext "$dir/out.pdf" - | grep -qx 'piped text'

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
