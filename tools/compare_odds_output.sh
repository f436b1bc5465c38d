#!/bin/bash
# Builds korvana-odds at an earlier commit and from the working tree, runs both
# on the same random hands and compares every output byte for byte.
#   tools/compare_odds_output.sh COMMIT [BUILD_DIR] [HANDS]
# BUILD_DIR (default build) is the working tree's configured build; the earlier
# commit is checked out and built under BUILD_DIR/compare-odds/COMMIT.
# Each hand gets a random round (or none), auto-switch on or off (always
# spelled out, since the default changed), a language
# (or none), text or JSON output and a locale with a decimal point or comma.
# The exact-chance fields of the JSON rows and best_category are left out of
# the comparison, so a commit from before they existed compares too.
set -eu
commit=${1:?usage: compare_odds_output.sh COMMIT [BUILD_DIR] [HANDS]}
build=$(realpath "${2:-build}")
hands=${3:-20000}
source_dir=$(git rev-parse --show-toplevel)
base=$build/compare-odds/$commit

if [ ! -d "$base/src" ]; then
    mkdir -p "$base"
    git -C "$source_dir" worktree add --detach "$base/src" "$commit" >/dev/null
fi
if [ ! -f "$base/build/CMakeCache.txt" ]; then
    cmake -S "$base/src" -B "$base/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DKORVANA_BUILD_BENCH=OFF -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
fi
cmake --build "$base/build" -j2 --target korvana-odds >/dev/null
cmake --build "$build" -j2 --target korvana-odds >/dev/null
before=$base/build/bin/korvana-odds
after=$build/bin/korvana-odds

work=$base/run
mkdir -p "$work"
# One hand a line: locale, a tab, then the arguments. Fixed seed, so a failing
# run can be repeated.
awk -v hands="$hands" 'BEGIN {
    srand(20261207)
    split("2 3 4 5 6 7 8 9 T J Q K A", ranks, " "); split("c d h s", suits, " ")
    n = 0
    for (s = 1; s <= 4; ++s) for (r = 1; r <= 13; ++r) deck[++n] = ranks[r] suits[s]
    split("flop turn river", rounds, " ")
    split("C de_DE.UTF-8 ru_RU.UTF-8 en_US.UTF-8", locales, " ")
    for (h = 0; h < hands; ++h) {
        for (i = 52; i > 1; --i) { j = int(rand() * i) + 1; t = deck[i]; deck[i] = deck[j]; deck[j] = t }
        args = ""
        k = int(rand() * 4); if (k < 3) args = args " --round " rounds[k + 1]
        args = args (rand() < 0.5 ? " --auto" : " --no-auto")
        k = int(rand() * 3); if (k == 1) args = args " --lang en"; else if (k == 2) args = args " --lang ru"
        if (rand() < 0.5) args = args " --json"
        # After "--" a lone "-" is an empty slot, never "tables from stdin".
        slots = int(rand() * 8); used = 0; args = args " --"
        for (i = 0; i < slots; ++i) args = args " " (rand() < 0.15 ? "-" : deck[++used])
        printf "%s\t%s\n", locales[int(rand() * 4) + 1], args
    }
}' > "$work/hands"

run() {  # binary, output file
    # A build from before --no-auto existed had auto-switch off by default.
    strip_no_auto=0
    "$1" --no-auto >/dev/null 2>&1 || strip_no_auto=1
    while IFS=$'\t' read -r locale args; do
        if [ "$strip_no_auto" = 1 ]; then args=${args/ --no-auto/}; fi
        # shellcheck disable=SC2086  # the arguments are split on purpose
        status=0
        LC_ALL=$locale "$1" $args </dev/null || status=$?
        echo "@@ exit status $status"
    done < "$work/hands" 2>&1 | without_exact_fields > "$2"
}
# Leaves out what later versions added: the typed fields of each row, the
# JSON "cards" and "label", and the line naming a round chosen automatically.
without_exact_fields() {
    sed -e 's/, "category": "[a-z_]*", "state": "[a-z]*", "odds": [^,]*, "exact": [^,]*, "outs": \[[^]]*\]//g' \
        -e 's/, "label": "[^"]*"//g' -e 's/, "cards": \[[^]]*\]//' \
        -e 's/, "best_category": [a-z_"]*}$/}/' \
        -e '/(round switched automatically)$/d' -e '/(раунд переключён автоматически)$/d'
}
run "$before" "$work/before.out" &
run "$after" "$work/after.out"
wait

compared=$(wc -l < "$work/hands")
if cmp -s "$work/before.out" "$work/after.out"; then
    echo "$compared outputs compared, all identical"
    exit 0
fi
echo "outputs differ; first difference:"
diff "$work/before.out" "$work/after.out" | head -20
exit 1
