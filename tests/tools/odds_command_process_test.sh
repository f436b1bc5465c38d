#!/bin/sh
# korvana-odds as a process: statuses, streams and the regional decimal separator.
odds="$1" version="$2"
fail=0
check() {  # description, expected status, expected stdout (exact), then the command
    what=$1 status=$2 expected=$3; shift 3
    out=$("$@" 2>./odds_command_stderr) ; got=$?
    err=$(cat ./odds_command_stderr); rm -f ./odds_command_stderr
    if [ "$got" != "$status" ] || [ "$out" != "$expected" ]; then
        echo "FAIL: $what: status $got, stdout '$out', stderr '$err'"; fail=1
    fi
}
check "unknown card" 2 "" "$odds" Ah 1h
check "card twice" 2 "" "$odds" Ah Ah
check "unknown option" 2 "" "$odds" --fast
check "version" 0 "korvana-odds $version" "$odds" --version
# A region that writes a decimal comma: made here when the system lacks it.
if ! locale -a 2>/dev/null | grep -q -i -x 'de_DE.utf-\{0,1\}8'; then
    mkdir -p ./odds_locales
    localedef -i de_DE -f UTF-8 ./odds_locales/de_DE.UTF-8 >/dev/null 2>&1
    export LOCPATH="$PWD/odds_locales"
fi
check "decimal comma from the region" 0 " T J Q K - Royal Flash odds - 1:23,5  " \
    sh -c "LC_ALL=de_DE.UTF-8 '$odds' --round river Th Jh Qh Kh 2c | head -n 1"
unset LOCPATH
rm -rf ./odds_locales
check "decimal point from the region" 0 " T J Q K - Royal Flash odds - 1:23.5  " \
    sh -c "LC_ALL=C LANG=en_GB.UTF-8 '$odds' --round river Th Jh Qh Kh 2c | head -n 1"
check "piped output has no colour" 0 "0" sh -c "'$odds' Kc Kd | tr -d -c '\\033' | wc -c"
check "stdout closed" 1 "korvana-odds: cannot write the output" sh -c "'$odds' Ah 2>&1 >&-"
check "full device" 1 "korvana-odds: cannot write the output" sh -c "'$odds' Ah 2>&1 >/dev/full"
check "empty slots first" 0 "$("$odds" - - Ah)" "$odds" -,-,Ah
# Batch mode reads standard input: 10 000 tables, one bad line in the middle.
awk 'BEGIN { for (i = 1; i <= 10000; ++i) print (i == 5000 ? "Ah 1h" : "Ah Kd Qs") }' \
    >./odds_batch_input
check "batch status" 2 "" sh -c "'$odds' - <./odds_batch_input >/dev/null 2>&1"
check "batch names the bad line" 0 \
    "korvana-odds: line 5000: unknown card code '1h' (rank 23456789TJQKA or 10, then suit cdhs or \
♣♦♥♠, e.g. Ah)" sh -c "'$odds' - <./odds_batch_input 2>&1 >/dev/null; true"
check "batch runs the other lines" 0 "9999" \
    sh -c "'$odds' --batch <./odds_batch_input 2>/dev/null | grep -c '^Ah Kd Qs - - - - | '"
rm -f ./odds_batch_input
check "batch input that cannot be read" 1 "" "$odds" - </
check "piped cards need -" 0 "korvana-odds: note: no cards given, so the table is empty; give \
them as arguments (korvana-odds Ah Kh) or use - to read one table per line" \
    sh -c "echo Ah | '$odds' 2>&1 >/dev/null"
check "no note for /dev/null, as under cron" 0 "" sh -c "'$odds' </dev/null 2>&1 >/dev/null"
# The library of named ranges in the configuration folder: $XDG_CONFIG_HOME, else
# ~/.config; a pipe in its place is told, not waited on.
mkdir -p ./odds_config/korvana ./odds_home/.config/korvana
echo 'mine = AKs' >./odds_config/korvana/ranges.txt
echo 'mine = QQ' >./odds_home/.config/korvana/ranges.txt
named="'$odds' --json Ah Kd Qs Jc 2h --range-hits @mine | grep -o '\"combos\": [0-9]*' | head -n 1"
check "named range from XDG_CONFIG_HOME" 0 '"combos": 2' \
    sh -c "HOME='$PWD/odds_home' XDG_CONFIG_HOME='$PWD/odds_config' $named"
check "named range from HOME" 0 '"combos": 3' \
    sh -c "HOME='$PWD/odds_home' XDG_CONFIG_HOME= $named"
rm -f ./odds_config/korvana/ranges.txt
if mkfifo ./odds_config/korvana/ranges.txt 2>/dev/null; then
    check "a pipe as the library" 2 "" \
        sh -c "XDG_CONFIG_HOME='$PWD/odds_config' '$odds' Ah Kd --vs @mine 2>/dev/null"
fi
rm -rf ./odds_config ./odds_home
# A terminal gets colours unless TERM=dumb or NO_COLOR says otherwise.
if script -qec true /dev/null >/dev/null 2>&1 </dev/null; then
    check "terminal has colour" 0 "10" \
        sh -c "TERM=xterm script -qec \"'$odds' Kc Kd\" /dev/null </dev/null | grep -c '\\[3[123]m'"
    check "TERM=dumb has no colour" 0 "0" \
        sh -c "TERM=dumb script -qec \"'$odds' Kc Kd\" /dev/null </dev/null | tr -d -c '\\033' | wc -c"
fi
exit $fail
