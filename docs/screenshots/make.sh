#!/usr/bin/env bash
# Remakes the screenshots in this folder: runs the built program on a virtual display with a
# small window manager, in a temporary folder so that its data files are thrown away, and
# clicks through every window.
#   docs/screenshots/make.sh [build folder] [scale]   (needs xvfb, openbox, xdotool, imagemagick)
# At scale 2 the program runs as on a screen at 200 %, and only the windows that show pictures
# are shot, as <name>@2x.png. With THEME=dark the program takes a dark desktop palette (GTK's
# Adwaita dark, through Qt's gtk3 platform theme, package qt6-gtk-platformtheme), and only the
# main and Settings windows are shot, as main-dark.png and settings-dark.png. With SHOTS_LANG=de
# the program runs under LANG=de_DE.UTF-8 (the locale must be generated) and each window is shot
# in German, as de-<name>.png. DISPLAY_NUMBER picks another virtual display than :93.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build}" && pwd)
scale=${2:-1}
export DISPLAY=${DISPLAY_NUMBER:-:93}
work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    # The program writes its files as it ends; let it finish before its folder goes.
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$DISPLAY" -screen 0 $((1024 * scale))x$((768 * scale))x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
sleep 1
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

# The id of the visible window with exactly this title, waiting for it to appear.
win() { timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | tail -1; }
# A click at client coordinates of the titled window, in device-independent pixels.
click() {
    xdotool mousemove --window "$(win "$1")" $(($2 * scale)) $(($3 * scale)) click 1
    sleep 0.4
}
move() {
    xdotool windowmove "$(win "$1")" $(($2 * scale)) $(($3 * scale))
    sleep 0.4
}
shot() {
    local name=$1
    if [ "${THEME:-}" = dark ]; then
        case $name in
        main-default) name=main-dark ;;
        settings) name=settings-dark ;;
        *) return 0 ;;
        esac
    elif [ -n "${SHOTS_LANG:-}" ]; then
        case " main-default input-box notes settings about reports " in
        *" $name "*) name="$SHOTS_LANG-$name" ;;
        *) return 0 ;;
        esac
    elif [ "$scale" != 1 ]; then
        case " main-default main-orange settings about " in
        *" $name "*) name="$name@${scale}x" ;;
        *) return 0 ;;
        esac
    fi
    import -window "$(win "$2")" -frame "$here/$name.png"
    echo "$name.png"
}
main="Tallyhawk 1.0"
prompt="What are you doing now\\?"
notes=Notes settings=Settings about=About reports=Reports
case "${SHOTS_LANG:-}" in
"") ;;
de)
    export LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8
    prompt="Was machen Sie gerade\\?"
    notes=Notizen settings=Optionen about=Info reports=Berichte
    ;;
*)
    echo "SHOTS_LANG: only de is known here" >&2
    exit 2
    ;;
esac

cp "$build/tallyhawk" "$work/"
if [ "$scale" != 1 ]; then
    export QT_ENABLE_HIGHDPI_SCALING=1 QT_SCALE_FACTOR=$scale
fi
if [ "${THEME:-}" = dark ]; then
    export QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
fi
(cd "$work" && exec ./tallyhawk) >/dev/null 2>&1 &
pids+=($!)
move "$main" 40 40

# Two sessions with a note each, so that the window and the Reports window show real data.
session() {
    click "$main" 159 116 # Start
    win "$prompt" >/dev/null
    xdotool type --delay 15 "$1"
    [ -n "${3:-}" ] && shot "$3" "$prompt"
    xdotool key Return
    sleep 1
    click "$main" 240 116 # Notes
    move "$notes" 420 40
    click "$notes" 100 40
    xdotool type --delay 15 "$2"
    [ -n "${3:-}" ] && shot notes "$notes"
    click "$notes" 360 40 # Ok
    sleep 2
    click "$main" 159 116 # Stop
}
click "$main" 170 82 # project box
xdotool type --delay 15 "Website redesign"
click "$main" 260 82 # +
shot first-steps "$main"
session "Reviewing the mock-ups" "Mock-ups sent out for review." input-box
session "Writing the style guide" "Colours and type settled; icons next."
shot main-default "$main"

click "$main" 60 88 # Settings
move "$settings" 420 40
shot settings-first-opened "$settings"
for scheme in "red 180 126" "black 332 126" "orange 30 280"; do
    set -- $scheme
    click "$settings" "$2" "$3"
    shot "main-$1" "$main"
done
click "$settings" 186 272 # minimise option
shot settings "$settings"

click "$main" 50 112 # About
move "$about" 420 420
shot about "$about"

click "$main" 50 64 # Reports
move "$reports" 60 60
click "$reports" 38 292 # open the first session in the tree
shot reports "$reports"

# The Totals window, over the log of the summary examples, by day: a copy of the program in a
# folder of its own, reading the log's stamps as they were written (United States English).
if [ "$scale" = 1 ] && [ -z "${SHOTS_LANG:-}" ]; then
    xdotool windowclose "$(win Reports)"
    xdotool windowminimize "$(win "$main")"
    mkdir "$work/sample"
    cp "$build/tallyhawk" "$work/sample/"
    cp "$here/../../tests/data/logs/summary_sample.txt" "$work/sample/Tasks.txt"
    (cd "$work/sample" && LC_ALL=en_US.UTF-8 exec ./tallyhawk) >/dev/null 2>&1 &
    pids+=($!)
    sleep 2
    xdotool windowmove "$(xdotool search --sync --onlyvisible --name "^$main\$" | tail -1)" 700 400
    sleep 0.4
    click "$main" 50 64 # Reports
    move "$reports" 300 20
    xdotool mousemove --window "$(win Reports)" 300 480 click 3 # the tree's menu
    sleep 0.4
    xdotool key Up Return # Totals…, the last item
    move Totals 40 30
    click Totals 115 20 # Show
    xdotool key End Return # Everything
    click Totals 570 20 # By
    xdotool key Home Down Return # Day
    xdotool mousemove 1000 750
    shot totals Totals
fi
