#!/usr/bin/env bash
# Installs the build into a fresh prefix and runs the installed programs there, then from a moved
# copy of that prefix: both must find their program folder through the launchers on bin/.
# Arguments: CMAKE BUILD_DIR VERSION APP_ID
set -euo pipefail
cmake=$1 build=$2 version=$3 app_id=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

env -u DESTDIR "$cmake" --install "$build" --prefix "$work/prefix" >/dev/null
mv "$work/prefix" "$work/moved"
prefix=$work/moved
folder=$prefix/lib/qv2leved

for file in qv2leved qv2lev qv2lev-draw qasvar.dat texts/Qv2LevEd.ini images/00.bmp icons/qv2leved.svg; do
  [ -e "$folder/$file" ] || fail "$folder/$file is not installed"
done
desktop-file-validate "$prefix/share/applications/$app_id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" >/dev/null ||
  fail "metainfo"
[ -e "$prefix/share/icons/hicolor/48x48/apps/$app_id.png" ] || fail "icon"
for file in man/man1/qv2leved.1.gz man/man1/qv2lev.1.gz bash-completion/completions/qv2lev \
  "mime/packages/$app_id.xml"; do
  [ -e "$prefix/share/$file" ] || fail "share/$file is not installed"
done
for page in qv2leved qv2lev; do
  warnings=$(MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man $page: $warnings"
done

[ "$("$prefix/bin/qv2leved" --version)" = "qv2leved $version" ] || fail "qv2leved --version"
[ "$("$prefix/bin/qv2lev" --version)" = "qv2lev $version" ] || fail "qv2lev --version"
"$prefix/bin/qv2lev" list "$folder/qasvar.dat" >"$work/list.txt" || fail "qv2lev list"
grep -q '^2000 [0-9]* [0-9]* ok$' "$work/list.txt" || fail "qv2lev list output: $(cat "$work/list.txt")"
# The tile names come from the installed language file.
"$prefix/bin/qv2lev" dump "$folder/qasvar.dat" 2000 >"$work/dump.txt" || fail "qv2lev dump"
grep -q '^rooms\[0\]\.tiles\[0\]\[0\] = [0-9A-F][0-9A-F]: ' "$work/dump.txt" ||
  fail "qv2lev dump names no tile kinds"
# Through the link on bin/, qv2lev finds the drawing program in its folder.
"$prefix/bin/qv2lev" render "$folder/qasvar.dat" 2000 1 "$work/room.png" || fail "qv2lev render"
[ "$(head -c 4 "$work/room.png" | tail -c 3)" = PNG ] || fail "qv2lev render wrote no PNG"

# The completion offers the ids of the archive named before, as the installed qv2lev lists them.
if [ -f /usr/share/bash-completion/bash_completion ]; then
  ids=$(PATH="$prefix/bin:$PATH" bash -c 'source /usr/share/bash-completion/bash_completion
    source "$1"; COMP_WORDS=(qv2lev dump --json "$2" 201); COMP_CWORD=4
    COMP_LINE="${COMP_WORDS[*]}"; COMP_POINT=${#COMP_LINE}; _qv2lev; echo "${COMPREPLY[*]}"' \
    _ "$prefix/share/bash-completion/completions/qv2lev" "$folder/qasvar.dat")
  [ "$ids" = "2010 2011 2012 2013" ] || fail "completion of level ids: '$ids'"
fi

# The editor opens the level (the screenshot is refused without one) and draws it.
QT_QPA_PLATFORM=offscreen "$prefix/bin/qv2leved" "$folder/qasvar.dat" 2000 \
  --screenshot "$work/shot.png" 2>"$work/editor.txt" || fail "qv2leved: $(cat "$work/editor.txt")"
[ -s "$work/shot.png" ] || fail "no screenshot"
set +e
QT_QPA_PLATFORM=offscreen "$prefix/bin/qv2leved" --no-such-option 2>/dev/null
[ $? -eq 2 ] || fail "an unknown option must give exit status 2"
echo "installed programs work from $prefix"
