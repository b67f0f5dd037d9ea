#!/usr/bin/env bash
# Saves the sheet items.fods the four ways administrators save a table from a spreadsheet, with
# Debian's headless LibreOffice (apt-get install libreoffice-calc-nogui), into the files beside
# it that the batch tests read. The tests do not run this: run it after changing the sheet and
# commit what it writes.
#   usage: tests/batch/sheet/export.sh
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# save_as FILE OPTIONS: the CSV filter's options are the separator and the quote (as character
# codes), the character set, the first line, the cell formats, the language, and whether every
# text cell is quoted.
save_as() {
  HOME=$work soffice --headless --convert-to "csv:Text - txt - csv (StarCalc):$2" \
    --outdir "$work/$1" "$here/items.fods" >/dev/null 2>&1
  mv "$work/$1/items.csv" "$here/$1"
}
# "CSV UTF-8": commas, a cell quoted only where it needs it.
save_as items-comma-utf8.csv 44,34,76,1,,0,false
# Semicolons, as spreadsheets write them in most European languages; every text cell quoted.
save_as items-semicolon.csv 59,34,76,1,,0,true
# "Unicode text": tabs, UTF-16 with its byte-order mark.
save_as items-tab-utf16.txt 9,34,65535,1,,0,false
# Plain "CSV" on Windows in Western Europe: Windows-1252.
save_as items-windows-1252.csv 44,34,1,1,,0,false
