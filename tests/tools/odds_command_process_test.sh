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
check "decimal comma from the region" 0 " T J Q K - Royal Flash odds - 1:23,5  " \
    sh -c "LC_ALL=de_DE.UTF-8 '$odds' --round river Th Jh Qh Kh 2c | head -n 1"
check "decimal point from the region" 0 " T J Q K - Royal Flash odds - 1:23.5  " \
    sh -c "LC_ALL=C LANG=en_GB.UTF-8 '$odds' --round river Th Jh Qh Kh 2c | head -n 1"
check "piped output has no colour" 0 "0" sh -c "'$odds' Kc Kd | tr -d -c '\\033' | wc -c"
check "stdout closed" 1 "korvana-odds: cannot write the output" sh -c "'$odds' Ah 2>&1 >&-"
check "full device" 1 "korvana-odds: cannot write the output" sh -c "'$odds' Ah 2>&1 >/dev/full"
check "empty slots first" 0 "$("$odds" - - Ah)" "$odds" -,-,Ah
exit $fail
