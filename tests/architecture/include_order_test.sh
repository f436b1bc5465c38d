#!/bin/sh
# The include graph stays a ladder: no unit (a .h with its .cpp) and no
# folder reaches itself through its includes, and a room of the engine
# includes only the rooms below it, so a newcomer can read each part from the
# bottom up.
#   include_order_test.sh SOURCE_ROOT
set -eu
cd "$1"
rooms="cards text rows evaluator ranges equity table"
status=0

# Every include between units of the tree, as "from to" pairs for tsort.
pairs=$(git ls-files '*.h' '*.cpp' 2>/dev/null || find . -name '*.h' -o -name '*.cpp')
edges=$(for file in $pairs; do
    unit=${file%.*}
    sed -n 's/^#include "\([a-z_/0-9]*\)\.h".*/\1/p' "$file" | while read -r included; do
        [ "$included" = "$unit" ] || echo "$unit $included"
    done
done)
loops=$(echo "$edges" | tsort 2>&1 >/dev/null || true)
if [ -n "$loops" ]; then
    echo "Include circle between units:"
    echo "$loops" | grep -v "input contains a loop" | sed 's/^tsort: /  /'
    status=1
fi

folders=$(echo "$edges" | while read -r from to; do
    a=${from%/*} b=${to%/*}
    [ "$a" = "$b" ] || echo "$a $b"
done | sort -u)
loops=$(echo "$folders" | tsort 2>&1 >/dev/null || true)
if [ -n "$loops" ]; then
    echo "Include circle between folders:"
    echo "$loops" | grep -v "input contains a loop" | sed 's/^tsort: /  /'
    status=1
fi

rank() {
    n=0
    for room in $rooms; do
        [ "$room" = "$1" ] && { echo $n; return; }
        n=$((n + 1))
    done
    echo 99
}
echo "$edges" | while read -r from to; do
    case "$from" in engine/*/*) ;; *) continue ;; esac
    case "$to" in engine/*/*) ;; *) continue ;; esac
    a=$(echo "$from" | cut -d/ -f2)
    b=$(echo "$to" | cut -d/ -f2)
    if [ "$(rank "$b")" -gt "$(rank "$a")" ]; then
        echo "engine/$a includes engine/$b, a room above it: $from -> $to"
        exit 1
    fi
done || status=1
exit $status
