#!/bin/sh
# The installed launcher on a stand-in installation: the first start makes the working
# folder, a second start keeps the learner's bank, and the two failures create nothing.
# Usage: test_launcher.sh LAUNCHER
# SPDX-License-Identifier: MIT
set -eu
fail() { echo "FAIL: $*" >&2; exit 1; }
t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT

# A tree as `cmake --install` lays it out, with a program that records where it ran
# and changes the bank as a learner typing a hint would.
p=$t/prefix
mkdir -p "$p/bin" "$p/libexec/varnel-theory" "$p/share/varnel-theory"
cp "$1" "$p/bin/varnel-theory"
printf 'default bank\n' >"$p/share/varnel-theory/newgen2.mdb"
printf 'figure\n' >"$p/share/varnel-theory/G7-1.bmp"
cat >"$p/libexec/varnel-theory/varnel-theory" <<STANDIN
#!/bin/sh
pwd >>"$t/ran"
echo "hint typed" >>newgen2.mdb
STANDIN
chmod +x "$p/bin/varnel-theory" "$p/libexec/varnel-theory/varnel-theory"
home=$t/home
folder=$home/.local/share/varnel-theory

# First start, with HOME only: the folder is made from the installed data.
env -u XDG_DATA_HOME HOME="$home" "$p/bin/varnel-theory" || fail "first start"
[ "$(cat "$t/ran")" = "$folder" ] || fail "the program did not run in $folder"
[ "$(cat "$folder/newgen2.mdb")" = "default bank
hint typed" ] || fail "first start: wrong bank"
[ -f "$folder/G7-1.bmp" ] || fail "first start: no figure"
for left in "$home/.local/share"/.varnel-theory.*; do
    [ -e "$left" ] && fail "temporary folder left behind: $left"
done

# Second start: the learner's bank stays as it is; a figure missing from the folder
# (an older installation's) is added.
rm "$folder/G7-1.bmp"
env -u XDG_DATA_HOME HOME="$home" "$p/bin/varnel-theory" || fail "second start"
[ "$(grep -c 'hint typed' "$folder/newgen2.mdb")" = 2 ] || fail "second start replaced the bank"
[ -f "$folder/G7-1.bmp" ] || fail "second start: figure not added"

# No folder can be made: XDG_DATA_HOME lies below a file.
touch "$t/file"
if out=$(XDG_DATA_HOME=$t/file/data "$p/bin/varnel-theory" 2>&1); then fail "started below a file"; fi
case $out in *"$t/file/data/varnel-theory"*"Not a directory"*) ;; *) fail "unclear message: $out" ;; esac
[ "$(echo "$out" | wc -l)" = 1 ] || fail "more than one line: $out"

# No installed data: nothing is created.
rm "$p/share/varnel-theory/newgen2.mdb"
if out=$(XDG_DATA_HOME=$t/other "$p/bin/varnel-theory" 2>&1); then fail "started without data"; fi
case $out in *"$p/share/varnel-theory/newgen2.mdb"*) ;; *) fail "unclear message: $out" ;; esac
[ ! -e "$t/other" ] || fail "created $t/other without data"
echo "launcher: all cases passed"
