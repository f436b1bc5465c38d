#!/bin/sh
# korvana as a process, before any window: help and version work without a
# display, a missing or broken display and stray arguments give one line on
# stderr and status 1 instead of an abort.
korvana=$1 version=$2
fail=0
nl='
'
# description, expected status, expected stdout (a shell pattern), expected
# stderr (a shell pattern, "" for none), then the environment and arguments
# for env, which starts from nothing but PATH, HOME and the runtime folder.
check() {
    what=$1 status=$2 out_pattern=$3 err_pattern=$4; shift 4
    out=$(env -i PATH="$PATH" HOME="$HOME" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" "$@" 2>./command_line_stderr)
    got=$?
    err=$(cat ./command_line_stderr); rm -f ./command_line_stderr
    # shellcheck disable=SC2254
    case "$out" in $out_pattern) out_ok=1 ;; *) out_ok=0 ;; esac
    case "$err" in $err_pattern) err_ok=1 ;; *) err_ok=0 ;; esac
    case "$err" in *"$nl"*) err_ok=0 ;; esac
    if [ "$got" != "$status" ] || [ $out_ok = 0 ] || [ $err_ok = 0 ]; then
        echo "FAIL: $what: status $got, stdout '$out', stderr '$err'"; fail=1
    fi
}
no_display="korvana: cannot open the window: no display (DISPLAY and WAYLAND_DISPLAY are not set)"

check "version" 0 "korvana $version" "" "$korvana" --version
check "short version" 0 "korvana $version" "" "$korvana" -v
check "help" 0 "Usage: *korvana*korvana-odds*--version*--history <file>*--verbose*" "" "$korvana" --help
check "short help" 0 "Usage: *korvana*--help*" "" "$korvana" -h
check "help with Qt's options" 0 "Usage: *-platform*" "*" "$korvana" --help-all
# Help speaks the language last chosen in the window, Qt's own lines too.
mkdir -p russian/Software && printf '[General]\nlanguage=russian\n' >russian/Software/Korvana.conf
check "help in the chosen language" 0 "Использование: *korvana*Шансы*korvana-odds*Параметры:*" "" \
    XDG_CONFIG_HOME="$PWD/russian" "$korvana" --help
check "version after a Qt option" 0 "korvana $version" "*" "$korvana" -reverse --version
check "a Qt option is not -v" 1 "" "$no_display" "$korvana" -reverse
check "no display" 1 "" "$no_display" "$korvana"
check "display that does not answer" 1 "" \
    "korvana: cannot open the window: the window system did not start (QT_QPA_PLATFORM=xcb, DISPLAY=:9999)" \
    QT_QPA_PLATFORM=xcb DISPLAY=:9999 "$korvana"
check "unknown option" 1 "" "korvana: Unknown option 'bogus'." QT_QPA_PLATFORM=offscreen "$korvana" --bogus
check "hand history without its file" 1 "" "korvana: Missing value after '--history'." \
    QT_QPA_PLATFORM=offscreen "$korvana" --history
check "stray argument" 1 "" "korvana: Unexpected argument 'cards'." QT_QPA_PLATFORM=offscreen "$korvana" cards
check "argument holding a newline" 1 "" "korvana: Unexpected argument 'a?b'." \
    QT_QPA_PLATFORM=offscreen "$korvana" "a${nl}b"
# Options are judged before a display is looked for.
check "unknown option without a display" 1 "" "korvana: Unknown option 'bogus'." "$korvana" --bogus
check "stray argument after a Qt option, no display" 1 "" "korvana: Unexpected argument 'x'." \
    "$korvana" -style fusion x
check "Qt options without a display" 1 "" "$no_display" "$korvana" -style=fusion -reverse -name k

# description, signal, what lies at the settings file's name: korvana starts
# offscreen without a network (so no web check leaves the machine), shows its
# error box about the settings and must end within 5 s of the signal.
stops_on() {
    what=$1 signal=$2 place=$3
    config=$PWD/stops_config
    rm -rf "$config"; mkdir -p "$config/Software"
    case $place in
        folder) mkdir "$config/Software/Korvana.conf" ;;
        pipe) mkfifo "$config/Software/Korvana.conf" ;;
    esac
    env -i PATH="$PATH" HOME="$HOME" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" XDG_CONFIG_HOME="$config" \
        QT_QPA_PLATFORM=offscreen unshare -n "$korvana" 2>./stops_stderr &
    pid=$!
    tries=0
    until grep -q "the settings in" ./stops_stderr 2>/dev/null; do
        tries=$((tries + 1))
        if [ $tries -gt 100 ] || ! kill -0 $pid 2>/dev/null; then break; fi
        sleep 0.1
    done
    kill -s "$signal" $pid 2>/dev/null
    tries=0
    while kill -0 $pid 2>/dev/null && [ $tries -lt 50 ]; do tries=$((tries + 1)); sleep 0.1; done
    if kill -0 $pid 2>/dev/null; then
        echo "FAIL: $what: still running 5 s after $signal; stderr '$(cat ./stops_stderr)'"; fail=1
        kill -s KILL $pid
    fi
    wait $pid; got=$?
    if ! grep -q "Cannot use the settings" ./stops_stderr; then
        echo "FAIL: $what: no word about the settings; status $got, stderr '$(cat ./stops_stderr)'"
        fail=1
    fi
    rm -rf "$config" ./stops_stderr
}
if unshare -n true 2>/dev/null; then
    stops_on "error box at start, SIGTERM" TERM folder
    stops_on "error box at start, Ctrl+C" INT folder
    stops_on "settings file is a named pipe" TERM pipe
else
    echo "SKIP: error boxes at start: cannot start korvana without a network here (unshare -n)"
fi
exit $fail
