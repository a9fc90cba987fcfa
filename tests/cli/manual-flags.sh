#!/usr/bin/env bash
# The manual page, as man shows it, names exactly the flags that --help lists.
#   manual-flags.sh MARLOWEN_CLI MANUAL_PAGE
set -euo pipefail
flags() { grep -o -- '--[a-z0-9][a-z0-9-]*' | sort -u; }
help=$("$1" --help | flags)
page=$(LC_ALL=C MANWIDTH=200 man -l "$2" 2>/dev/null | flags)
if [ "$help" != "$page" ]; then
  diff <(echo "$help") <(echo "$page") | sed 's/^</only in --help:/; s/^>/only in the manual page:/'
  exit 1
fi
echo "$(echo "$page" | wc -l) flags in both"
