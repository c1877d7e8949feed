#!/bin/sh
# The installed launcher on a stand-in installation: the first start makes the exam's
# working folder, a second start keeps the learner's bank, a General bank from before
# keeps its place, and the failures create nothing.
# Usage: test_launcher.sh LAUNCHER
# SPDX-License-Identifier: MIT
set -eu
fail() { echo "FAIL: $*" >&2; exit 1; }
t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT

# A tree as `cmake --install` lays it out, with a program that records where it ran
# and how, and changes the bank as a learner typing a hint would.
p=$t/prefix
mkdir -p "$p/bin" "$p/libexec/varnel-theory"
for exam in general extra; do
    mkdir -p "$p/share/varnel-theory/$exam"
    printf '%s bank\n' "$exam" >"$p/share/varnel-theory/$exam/newgen2.mdb"
done
printf 'figure\n' >"$p/share/varnel-theory/general/G7-1.bmp"
cp "$1" "$p/bin/varnel-theory"
cat >"$p/libexec/varnel-theory/varnel-theory" <<STANDIN
#!/bin/sh
echo "\$(pwd) \$*" >>"$t/ran"
echo "hint typed" >>newgen2.mdb
STANDIN
chmod +x "$p/bin/varnel-theory" "$p/libexec/varnel-theory/varnel-theory"
home=$t/home
data=$home/.local/share
folder=$data/varnel-theory/general

# First start, with HOME only: General's folder is made from the installed data.
env -u XDG_DATA_HOME HOME="$home" "$p/bin/varnel-theory" || fail "first start"
[ "$(cat "$t/ran")" = "$folder --exam general --launcher $p/bin/varnel-theory" ] ||
    fail "the program did not run in $folder as asked: $(cat "$t/ran")"
[ "$(cat "$folder/newgen2.mdb")" = "general bank
hint typed" ] || fail "first start: wrong bank"
[ -f "$folder/G7-1.bmp" ] || fail "first start: no figure"
for left in "$data/varnel-theory"/.general.*; do
    [ -e "$left" ] && fail "temporary folder left behind: $left"
done

# Second start: the learner's bank stays as it is; a figure missing from the folder
# (an older installation's) is added.
rm "$folder/G7-1.bmp"
env -u XDG_DATA_HOME HOME="$home" "$p/bin/varnel-theory" --exam=general || fail "second start"
[ "$(grep -c 'hint typed' "$folder/newgen2.mdb")" = 2 ] || fail "second start replaced the bank"
[ -f "$folder/G7-1.bmp" ] || fail "second start: figure not added"

# Another exam has a folder of its own.
env -u XDG_DATA_HOME HOME="$home" "$p/bin/varnel-theory" --exam extra || fail "extra"
[ "$(head -n 1 "$data/varnel-theory/extra/newgen2.mdb")" = "extra bank" ] || fail "extra: wrong bank"

# A General bank where it was before the three exams stays General's, with its notes.
old=$t/old/varnel-theory
mkdir -p "$old"
echo "old notes" >"$old/newgen2.mdb"
XDG_DATA_HOME=$t/old "$p/bin/varnel-theory" || fail "old place"
[ "$(tail -n 1 "$t/ran")" = "$old --exam general --launcher $p/bin/varnel-theory" ] ||
    fail "old bank not used: $(tail -n 1 "$t/ran")"
[ "$(head -n 1 "$old/newgen2.mdb")" = "old notes" ] || fail "old bank replaced"
[ ! -e "$old/general" ] || fail "a second General folder was made"

# An unknown exam: one line naming the three, status 2, nothing created.
status=0
out=$(XDG_DATA_HOME=$t/other "$p/bin/varnel-theory" --exam advanced 2>&1) || status=$?
[ "$status" = 2 ] || fail "unknown exam: status $status"
case $out in *"technician, general or extra"*) ;; *) fail "unclear message: $out" ;; esac
[ "$(echo "$out" | wc -l)" = 1 ] || fail "more than one line: $out"
[ ! -e "$t/other" ] || fail "created $t/other for an unknown exam"

# No folder can be made: XDG_DATA_HOME lies below a file.
touch "$t/file"
if out=$(XDG_DATA_HOME=$t/file/data "$p/bin/varnel-theory" 2>&1); then fail "started below a file"; fi
case $out in *"$t/file/data/varnel-theory"*"Not a directory"*) ;; *) fail "unclear message: $out" ;; esac
[ "$(echo "$out" | wc -l)" = 1 ] || fail "more than one line: $out"

# No installed data: nothing is created.
rm "$p/share/varnel-theory/general/newgen2.mdb"
if out=$(XDG_DATA_HOME=$t/other "$p/bin/varnel-theory" 2>&1); then fail "started without data"; fi
case $out in *"$p/share/varnel-theory/general/newgen2.mdb"*) ;; *) fail "unclear message: $out" ;; esac
[ ! -e "$t/other" ] || fail "created $t/other without data"
echo "launcher: all cases passed"
