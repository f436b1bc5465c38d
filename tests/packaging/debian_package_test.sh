#!/bin/sh
# Builds the Debian package, checks what it holds and declares, unpacks it into a
# scratch root and starts the installed program there from an unrelated working
# folder, offscreen; it must come up without an error and end cleanly on SIGTERM.
set -u
build=$1 work=$2 version=$3
fail() { echo "FAIL: $*"; exit 1; }

rm -rf "$work" && mkdir -p "$work/root" "$work/elsewhere" "$work/home/config" "$work/home/cache" \
    "$work/home/runtime" "$work/tmp" || fail "cannot make $work"
chmod 700 "$work/home/runtime"
export TMPDIR="$work/tmp"  # cpack, dpkg and lintian unpack here, not in the shared folder
(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb="$work/korvana_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $deb"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6gui6 libqt6widgets6 libqt6network6 fonts-liberation fonts-wine; do
    case "$depends" in *"$needed"*) ;; *) fail "Depends lacks $needed: $depends" ;; esac
done

dpkg -x "$deb" "$work/root" || fail "dpkg -x"
root="$work/root/usr"
for f in lib/korvana/korvana lib/korvana/images/Ah.jpg lib/korvana/images/nocard.jpg \
         lib/korvana/images/Ah@2x.jpg lib/korvana/images/nocard@2x.jpg \
         lib/korvana/eula_eng.txt lib/korvana/eula_rus.txt bin/korvana bin/korvana-odds \
         share/applications/korvana.desktop share/metainfo/example.korvana.Korvana.metainfo.xml \
         share/icons/hicolor/48x48/apps/korvana.png share/doc/korvana/copyright; do
    [ -e "$root/$f" ] || fail "package lacks /usr/$f"
done
[ "$("$root/bin/korvana-odds" --version)" = "korvana-odds $version" ] || fail "korvana-odds --version"
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/bin/korvana" --version)" = "korvana $version" ] ||
    fail "korvana --version"

cd "$work/elsewhere" || fail "cd"
# The installed program checks the project site at start; a network namespace
# with nothing but loopback keeps that check off the real network.
isolate=""
if unshare -n true 2>/dev/null; then isolate="unshare -n"
elif unshare -rn true 2>/dev/null; then isolate="unshare -rn"; fi
HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_CACHE_HOME="$work/home/cache" \
XDG_RUNTIME_DIR="$work/home/runtime" QT_QPA_PLATFORM=offscreen \
    $isolate "$root/bin/korvana" >"$work/stdout" 2>"$work/stderr" &
pid=$!
sleep 3
kill -0 "$pid" 2>/dev/null || { cat "$work/stderr"; fail "the installed program did not stay up"; }
kill -TERM "$pid"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || { cat "$work/stderr"; fail "exit status $status after SIGTERM"; }
# Every error box is also written to stderr as "Korvana: <message>".
if grep -q "^Korvana: " "$work/stderr"; then cat "$work/stderr"; fail "the program reported an error"; fi
[ -f "$work/home/config/Software/Korvana.conf" ] || fail "settings were not written on first start"

if command -v lintian >/dev/null; then
    lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1
    if grep -q '^[EW]:' "$work/lintian.log"; then cat "$work/lintian.log"; fail "lintian errors or warnings"; fi
fi
echo "package $deb works"
