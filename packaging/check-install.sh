#!/usr/bin/env bash
# Checks a built tree the way a desktop meets it once installed.
#
#   check-install.sh tree BUILD_DIR APP_ID ICON_SIZE...
#     Installs into a temporary prefix; checks the desktop entry and the AppStream metainfo
#     with their validators, the icon in every size, and that the entry's Exec line starts the
#     program, which keeps its data beside itself there.
#   check-install.sh datafolder BUILD_DIR INSTALL_BIN_DIR
#     Installs into a temporary prefix and, in a private mount namespace, puts that bin folder
#     over the install folder the program was built for: run from there, as root too, the
#     program keeps its data in the user's data folder. Nothing on the machine changes.
#
# Exit status 77 means a tool the check needs is missing (ctest shows the test as skipped).
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

need() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
}

# Starts the program, lets it settle, then ends it as a desktop session's end would (SIGTERM),
# so that it writes its settings and exits. The environment chooses HOME and XDG_DATA_HOME.
# Only shell builtins besides the program: in the namespace /usr/bin may be covered.
run_briefly() {
    local program=$1 status=0
    QT_QPA_PLATFORM=offscreen "$program" >"$tmp/run.log" 2>&1 &
    local pid=$!
    read -rt 2 <> <(:) || true
    kill -0 "$pid" 2>/dev/null || { echo "$(<"$tmp/run.log")" >&2; fail "$program ended on its own"; }
    kill -TERM "$pid"
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || { echo "$(<"$tmp/run.log")" >&2; fail "$program exited with status $status"; }
}

# Inside the private mount namespace: the installed bin folder takes the install folder's place.
if [ "${1:-}" = --inside ]; then
    tmp=$2 bin=$3 install_bin=$4
    mount --bind "$bin" "$install_bin"
    HOME=$tmp/home XDG_DATA_HOME= run_briefly "$install_bin/tallyhawk"
    HOME=$tmp/home XDG_DATA_HOME=$tmp/xdg run_briefly "$install_bin/tallyhawk"
    exit 0
fi

mode=$1 build=$2
shift 2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" || {
    cat "$tmp/install.log" >&2
    fail "cmake --install failed"
}
[ -x "$prefix/bin/tallyhawk" ] || fail "no program in $prefix/bin"

case $mode in
tree)
    need desktop-file-validate appstreamcli file
    app_id=$1
    shift

    desktop=$prefix/share/applications/$app_id.desktop
    [ -f "$desktop" ] || fail "no desktop entry $desktop"
    report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
    [ -z "$report" ] || fail "desktop-file-validate: $report"

    metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
    [ -f "$metainfo" ] || fail "no metainfo $metainfo"
    report=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) ||
        fail "appstreamcli validate: $report"
    if grep -E '^[EWI]: ' <<<"$report"; then
        fail "appstreamcli validate reports the lines above"
    fi
    grep -q '<screenshot' "$metainfo" || fail "the metainfo has no screenshots"
    [ -f "$prefix/share/dbus-1/interfaces/$app_id.xml" ] || fail "no bus interface description"

    for size in "$@"; do
        icon=$prefix/share/icons/hicolor/${size}x$size/apps/$app_id.png
        [ -f "$icon" ] || fail "no icon $icon"
        file "$icon" | grep -q "PNG image data, $size x $size," || fail "$(file "$icon")"
    done
    count=$(find "$prefix/share/icons" -type f | wc -l)
    [ "$count" -eq $# ] || fail "$count icon files installed, $# expected"

    exec_line=$(sed -n 's/^Exec=//p' "$desktop")
    command=${exec_line%% *}
    found=$(PATH=$prefix/bin:$PATH command -v "$command") || fail "Exec=$exec_line: not found"
    [ "$found" = "$prefix/bin/tallyhawk" ] || fail "Exec=$exec_line starts $found"
    # A prefix other than the one the tree was configured with is an unpacked copy: the data
    # stays beside the program.
    HOME=$tmp/home XDG_DATA_HOME= PATH=$prefix/bin:$PATH run_briefly "$command"
    [ -f "$prefix/bin/Settings.ini" ] || fail "no Settings.ini beside the program"
    [ ! -e "$tmp/home/.local/share/tallyhawk" ] || fail "a copy outside its install folder wrote to the user's data folder"
    ;;
datafolder)
    need unshare mount
    install_bin=$1
    [ -d "$install_bin" ] || { echo "SKIP: $install_bin does not exist on this machine"; exit 77; }
    namespace=(unshare --mount --propagation private)
    [ "$(id -u)" -eq 0 ] || namespace+=(--map-root-user)
    "${namespace[@]}" true 2>/dev/null || { echo "SKIP: no private mount namespace here"; exit 77; }

    "${namespace[@]}" "$0" --inside "$tmp" "$prefix/bin" "$install_bin"
    for folder in "$tmp/home/.local/share/tallyhawk" "$tmp/xdg/tallyhawk"; do
        [ -f "$folder/Settings.ini" ] || fail "the installed program wrote no $folder/Settings.ini"
    done
    leftovers=$(find "$prefix/bin" -mindepth 1 ! -name tallyhawk)
    [ -z "$leftovers" ] || fail "the installed program wrote beside itself: $leftovers"
    ;;
*)
    fail "unknown mode $mode"
    ;;
esac
echo "PASS"
