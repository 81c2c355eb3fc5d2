#!/usr/bin/env bash
# The desktop entry as desktop-file-validate judges it: no error and no warning
# (hints pass: the entry names two main categories, Education and Game, on purpose).
# Usage: EntryTest.sh <desktop entry>. Exits 77 (skipped) without desktop-file-validate.
set -euo pipefail

command -v desktop-file-validate >/dev/null || { echo "skipped: desktop-file-validate is missing"; exit 77; }
report="$(desktop-file-validate "$1" 2>&1)" || { echo "$report"; exit 1; }
echo "$report"
if grep -qE ': (error|warning): ' <<<"$report"; then exit 1; fi
