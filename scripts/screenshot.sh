#!/usr/bin/env bash
# Makes docs/screenshot.png: the editor on a level of the sample archive, in English, as the program
# draws its own main window on Qt's offscreen platform (no display needed). The program runs from
# a temporary install, so the build's start-up file keeps its language.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install build/dev --prefix "$work/prefix" >/dev/null
folder=$work/prefix/lib/qv2leved
sed -i 's/^lang=.*/lang=english.ini/' "$folder/texts/Qv2LevEd.ini"
mkdir -p -m 0700 "$work/runtime" docs
XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=offscreen \
  "$work/prefix/bin/qv2leved" "$folder/qasvar.dat" "${1:-2003}" --screenshot docs/screenshot.png \
  2> >(grep -v 'propagateSizeHints' >&2)
echo "docs/screenshot.png written"
