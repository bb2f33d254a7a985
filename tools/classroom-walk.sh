#!/usr/bin/env bash
# Walks the running program as a teacher does in front of a class, with the
# mouse on an X display, and keeps what the room sees: the main menu, its
# About box, the expressing lesson after a row is typed and checked, and the
# blackboard with pieces dragged onto it.
#   tools/classroom-walk.sh DIR     (DISPLAY set, the program's main menu shown)
# Writes DIR/menu.png, DIR/about.png, DIR/lesson.png and DIR/blackboard.png.
# The points are the screens' own (pixels at 96 dpi from the window's corner),
# so the walk reads the same on Linux and on Windows under Wine.
set -euo pipefail
out=$1
mkdir -p "$out"

fail() {
    echo "FAILED: $*" >&2
    exit 1
}
window_named() { # the visible window whose title starts so, waiting for it
    local w
    for _ in $(seq 1 120); do
        w=$(xdotool search --onlyvisible --name "^$1" 2>/dev/null | tail -1 || true)
        [ -n "$w" ] && { echo "$w"; return; }
        sleep 0.5
    done
    fail "no window titled \"$1\""
}
click() { # window x y
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.4
}
drag() { # window x0 y0 x1 y1: press, move in steps, release
    xdotool mousemove --window "$1" "$2" "$3" mousedown 1
    sleep 0.3
    for step in 1 2 3 4 5 6 7 8; do
        xdotool mousemove --window "$1" $(($2 + ($4 - $2) * step / 8)) $(($3 + ($5 - $3) * step / 8))
        sleep 0.1
    done
    sleep 0.3
    xdotool mouseup 1
    sleep 0.5
}
shot() { # name
    sleep 1
    import -window root "$out/$1.png"
    echo "  $1: $out/$1.png"
}

menu=$(window_named 'تمارين المجموعات —')
shot menu

click "$menu" 372 12 # "حول البرنامج"
about=$(window_named 'حول البرنامج')
shot about
xdotool key Escape # its OK button is also its cancel button
for _ in $(seq 1 20); do
    xdotool search --onlyvisible --name '^حول البرنامج' >/dev/null 2>&1 || break
    sleep 0.5
done

click "$menu" 205 91 # "التعبير عن المجموعة (تمارين)"
lesson=$(window_named 'التعبير عن المجموعة —')
# Row 1, the digits of 44552, one box at a time from the brace on, with one
# slip (7); then the row's check button.
x=524
for digit in 4 5 2 7; do
    click "$lesson" "$x" 153
    xdotool type --delay 100 "$digit"
    x=$((x - 36))
done
click "$lesson" 228 152
shot lesson
click "$lesson" 92 547 # "خروج"
for _ in $(seq 1 20); do
    xdotool search --onlyvisible --name '^التعبير عن المجموعة —' >/dev/null 2>&1 || break
    sleep 0.5
done

menu=$(window_named 'تمارين المجموعات —')
click "$menu" 205 355 # "أدوات شرح المجموعات"
board=$(window_named 'أدوات شرح المجموعات —')
click "$board" 274 499 # "اظهار الادوات": the curtain opens on the pieces
drag "$board" 636 372 280 250 # the two circles of a Venn diagram
drag "$board" 692 42 303 280   # the digits 4 and 2, one in each circle
drag "$board" 733 42 357 280
drag "$board" 747 80 200 380   # a set's braces "{ ، }"
drag "$board" 765 455 420 380  # the card "س ∩ ص"
shot blackboard
