# Helpers for end-to-end tests: a private X server, the real executable, and
# xdotool to drive it. Source this file; call e2e_setup first.
# With E2E_SERVER=wayland the programs run on a Wayland compositor instead
# (weston, drawn into the private X server): xdotool's pointer and keys reach
# them through weston's window, screenshots work alike, and the windows are
# found through weston's scene graph instead of X.
set -euo pipefail

E2E_TMP=""
E2E_XVFB_PID=""
E2E_WESTON_PID=""
E2E_PIDS=()

e2e_log() { echo "[e2e] $*" >&2; }
e2e_fail() {
    echo "[e2e] FAIL: $*" >&2
    if [ -n "$E2E_TMP" ] && [ -s "$E2E_TMP/app.log" ]; then
        echo "[e2e] program output:" >&2
        tail -n 40 "$E2E_TMP/app.log" >&2
    fi
    exit 1
}

# Ends every program the run started.
e2e_stop_programs() {
    local pid
    for pid in "${E2E_PIDS[@]:-}"; do
        [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null || true
    done
    E2E_PIDS=()
}

e2e_cleanup() {
    e2e_stop_programs
    [ -n "$E2E_WESTON_PID" ] && kill "$E2E_WESTON_PID" 2>/dev/null || true
    [ -n "$E2E_XVFB_PID" ] && kill "$E2E_XVFB_PID" 2>/dev/null || true
    [ -n "$E2E_TMP" ] && rm -rf "$E2E_TMP"
}

# Starts Xvfb on a display it picks itself (-displayfd: the server takes the
# first free number atomically, so runs side by side never share one) and
# gives the run a private runtime folder of its own (QUILTRIX_RUNTIME_DIR), so
# the programs' locks and sockets never meet a copy the user runs or another
# run. -noreset: the server must not restart when its last client leaves, or
# the next program started finds no display.
e2e_setup() {
    E2E_TMP=$(mktemp -d)
    trap e2e_cleanup EXIT
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset \
        3>"$E2E_TMP/display" >"$E2E_TMP/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    local i n=""
    for i in $(seq 1 100); do
        n=$(head -n1 "$E2E_TMP/display" 2>/dev/null || true)
        [ -n "$n" ] && break
        kill -0 "$E2E_XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    [ -n "$n" ] || { cat "$E2E_TMP/xvfb.log" >&2; e2e_fail "no X server could be started"; }
    export DISPLAY=":$n"
    export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
    export QUILTRIX_RUNTIME_DIR="$XDG_RUNTIME_DIR"
    mkdir -m 700 -p "$XDG_RUNTIME_DIR"
    export HOME="$E2E_TMP/home"
    mkdir -p "$HOME"
    export QT_QPA_PLATFORM=xcb
    unset QT_SCALE_FACTOR WAYLAND_DISPLAY
    e2e_log "X server on $DISPLAY"
    if e2e_wayland; then e2e_start_weston; fi
}

e2e_wayland() { [ "${E2E_SERVER:-x11}" = wayland ]; }

# weston on the whole X screen: no panel and a black background, so only the
# programs' windows show; --debug opens the scene graph to weston-debug.
e2e_start_weston() {
    local i
    cat >"$E2E_TMP/weston.ini" <<'INI'
[core]
idle-time=0
[shell]
background-color=0xff000000
panel-position=none
INI
    weston --config="$E2E_TMP/weston.ini" --backend=x11-backend.so --use-pixman \
        --socket=wayland-e2e --width=1280 --height=800 --debug >"$E2E_TMP/weston.log" 2>&1 &
    E2E_WESTON_PID=$!
    export WAYLAND_DISPLAY=wayland-e2e QT_QPA_PLATFORM=wayland
    for i in $(seq 1 150); do
        weston-debug scene-graph 2>/dev/null | grep -q "background for output" && break
        sleep 0.1
    done
    weston-debug scene-graph 2>/dev/null | grep -q "background for output" ||
        { cat "$E2E_TMP/weston.log" >&2; e2e_fail "weston did not start"; }
    e2e_log "weston on $DISPLAY"
}

# The top-level windows weston shows, one a line: "id pid x y width height
# title" (the id is weston's view).
e2e_wayland_views() {
    weston-debug scene-graph 2>/dev/null | awk '
        /^\tView [0-9]+ \(role xdg_toplevel, PID [0-9]+,/ {
            pid = $6; sub(/,$/, "", pid)
            id = $NF; sub(/\):$/, "", id)
            title = ""
            if (match($0, /top-level window \047.*\047( of |, 0x)/)) {
                title = substr($0, RSTART + 18, RLENGTH - 18)
                sub(/\047( of |, 0x)$/, "", title)
            }
            next
        }
        /^\t\tposition: / && id != "" {
            gsub(/[(),]/, " ")
            print id, pid, $2, $3, $5 - $2, $6 - $3, title
            id = ""
        }'
}
e2e_wayland_view() { e2e_wayland_views | awk -v id="$1" '$1 == id'; }

# e2e_start <executable> -> sets E2E_LAST_PID
e2e_start() {
    "$@" >>"$E2E_TMP/app.log" 2>&1 &
    E2E_LAST_PID=$!
    E2E_PIDS+=("$E2E_LAST_PID")
}

# e2e_runtime_files: the locks and sockets the programs left in the run's
# runtime folder, one per line.
e2e_runtime_files() {
    find "$QUILTRIX_RUNTIME_DIR" -mindepth 1 \( -name 'quiltrix.*' -o -name 'help-*' \) 2>/dev/null || true
}

e2e_alive() { kill -0 "$1" 2>/dev/null; }
# e2e_running <pid>: the process runs (one that ended and that its new parent
# has not reaped yet does not).
e2e_running() {
    local state
    state=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -d' ' -f1) || return 1
    [ -n "$state" ] && [ "$state" != Z ]
}

# e2e_wait_exit <pid> <seconds>: fails unless the process ends in time.
e2e_wait_exit() {
    local pid=$1 limit=$2 i
    for i in $(seq 1 $((limit * 10))); do
        e2e_alive "$pid" || { wait "$pid" 2>/dev/null || true; return 0; }
        sleep 0.1
    done
    e2e_fail "process $pid still running after ${limit}s"
}

# Visible top-level windows of a process, one id per line.
e2e_windows_of() {
    if e2e_wayland; then
        e2e_wayland_views | awk -v pid="$1" '$2 == pid {print $1}'
    else
        xdotool search --onlyvisible --pid "$1" 2>/dev/null || true
    fi
}
# e2e_windows_named <regex>: visible top-level windows whose title matches.
e2e_windows_named() {
    if e2e_wayland; then
        e2e_wayland_views | awk -v re="$1" '{t = $0; for (i = 1; i <= 6; i++) sub(/^[^ ]+ /, "", t)} t ~ re {print $1}'
    else
        xdotool search --onlyvisible --name "$1" 2>/dev/null || true
    fi
}
e2e_window_pid() {
    if e2e_wayland; then e2e_wayland_view "$1" | awk '{print $2}'; else xdotool getwindowpid "$1"; fi
}

# e2e_wait_window_where <pid> <seconds> <test> [args...]: echoes the id of the
# first visible window of the process for which `test <id> [args...]` holds.
e2e_wait_window_where() {
    local pid=$1 limit=$2 test=$3 i id
    shift 3
    for i in $(seq 1 $((limit * 10))); do
        for id in $(e2e_windows_of "$pid"); do
            if "$test" "$id" "$@"; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}
e2e_is_sized() { [ "$(e2e_window_size "$1")" = "$2" ]; }
e2e_is_wide() { [ "$(e2e_window_size "$1" | cut -dx -f1)" = "$2" ]; }
e2e_is_named() { [ "$(e2e_window_name "$1")" = "$2" ]; }
e2e_is_named_like() { [[ "$(e2e_window_name "$1")" == *"$2"* ]]; }
e2e_is_any() { true; }

# e2e_wait_window <pid> <width> <height> <seconds>
e2e_wait_window() { e2e_wait_window_where "$1" "$4" e2e_is_sized "$2x$3"; }
# e2e_wait_window_width <pid> <width> <seconds>: for a window whose height
# depends on fonts (the main window's menu bar).
e2e_wait_window_width() { e2e_wait_window_where "$1" "$3" e2e_is_wide "$2"; }
# e2e_wait_any_window <pid> <seconds>
e2e_wait_any_window() { e2e_wait_window_where "$1" "$2" e2e_is_any; }
# e2e_wait_named_window <pid> <name> <seconds>
e2e_wait_named_window() { e2e_wait_window_where "$1" "$3" e2e_is_named "$2"; }

e2e_window_size() {
    if e2e_wayland; then
        e2e_wayland_view "$1" | awk '{print $5 "x" $6}'
        return
    fi
    xdotool getwindowgeometry --shell "$1" | awk -F= '/^WIDTH/{w=$2} /^HEIGHT/{h=$2} END{print w "x" h}'
}
e2e_window_pos() {
    if e2e_wayland; then
        e2e_wayland_view "$1" | awk '{print $3 " " $4}'
        return
    fi
    xdotool getwindowgeometry --shell "$1" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x " " y}'
}
e2e_window_name() {
    if e2e_wayland; then
        e2e_wayland_view "$1" | sed -E 's/^([^ ]+ ){6}//'
        return
    fi
    xdotool getwindowname "$1" 2>/dev/null || true
}
# e2e_window_shown <window>: the window is still there and mapped.
e2e_window_shown() {
    if e2e_wayland; then
        [ -n "$(e2e_wayland_view "$1")" ]
    else
        xwininfo -id "$1" 2>/dev/null | grep -q "IsViewable"
    fi
}

# e2e_click <window> <x> <y>: left click at window-relative coordinates.
e2e_click() {
    local pos x y
    pos=$(e2e_window_pos "$1")
    x=$(( ${pos% *} + $2 ))
    y=$(( ${pos#* } + $3 ))
    xdotool mousemove --sync "$x" "$y" click 1
}

# e2e_stacking: visible top-level windows, topmost first.
e2e_stacking() {
    if e2e_wayland; then
        e2e_wayland_views | awk '{print $1}'
    else
        xwininfo -root -children | awk '/^ +0x/{print $1}' | while read -r id; do echo $((id)); done
    fi
}
# e2e_above <a> <b>: window a is stacked above window b.
e2e_above() {
    e2e_stacking | awk -v a="$1" -v b="$2" '$1==a{print "yes"; exit} $1==b{print "no"; exit}' | grep -q yes
}
# e2e_raise <window> <x> <y> [<x> <y>...]: brings the window to the front. On
# Wayland only the compositor raises, so by a click at the first of the
# window-relative spots that no other window covers, else through weston's
# window switcher.
e2e_raise() {
    local id=$1 x y wx wy
    shift
    if ! e2e_wayland; then
        xdotool windowraise "$id"
        sleep 0.3
        return
    fi
    read -r wx wy <<<"$(e2e_window_pos "$id")"
    while [ $# -ge 2 ]; do
        x=$((wx + $1)); y=$((wy + $2))
        shift 2
        if e2e_wayland_views | awk -v id="$id" -v x="$x" -v y="$y" '
            $1 == id {exit 1}
            x >= $3 && x < $3 + $5 && y >= $4 && y < $4 + $6 {exit 0}
            END {if (NR == 0) exit 1}' >/dev/null; then
            continue  # covered
        fi
        xdotool mousemove --sync "$x" "$y" click 1
        sleep 0.3
        return
    done
    # Covered all over: weston's window switcher (Super+Tab) goes round.
    for x in 1 2 3 4 5 6; do
        [ "$(e2e_stacking | head -n1)" = "$id" ] && return
        xdotool key super+Tab
        sleep 0.3
    done
    e2e_fail "could not bring window $id to the front"
}

# e2e_screenshot <file>: the whole screen as PNG.
e2e_screenshot() { /usr/bin/import -window root "$1"; }

# e2e_pixel <png> <x> <y> -> "r,g,b"
e2e_pixel() {
    /usr/bin/convert "$1" -format '%[fx:int(255*p{'"$2,$3"'}.r)],%[fx:int(255*p{'"$2,$3"'}.g)],%[fx:int(255*p{'"$2,$3"'}.b)]' info:
}

# e2e_find_colour <png> <x> <y> <w> <h> <#RRGGBB>: echoes "x y" (screen
# coordinates) of the first pixel of that colour inside the rectangle.
e2e_find_colour() {
    local hit
    /usr/bin/convert "$1" -crop "${4}x${5}+${2}+${3}" +repage txt:- >"$E2E_TMP/pixels.txt"
    hit=$(grep -m1 -i " $6 " "$E2E_TMP/pixels.txt" | cut -d: -f1) || return 1
    [ -n "$hit" ] || return 1
    echo "$(( ${hit%,*} + $2 )) $(( ${hit#*,} + $3 ))"
}

# e2e_count_colour <png> <x> <y> <w> <h> <#RRGGBB>: how many pixels of that colour.
# Every other pixel goes black and that colour white (or, for black itself,
# every other pixel white), so the mean brightness counts them.
e2e_count_colour() {
    local crop=("$1" -crop "${4}x${5}+${2}+${3}" +repage)
    if [ "${6^^}" = "#000000" ]; then
        /usr/bin/convert "${crop[@]}" -fill white +opaque "$6" -format '%[fx:round((1-mean)*w*h)]' info:
    else
        /usr/bin/convert "${crop[@]}" -fill black +opaque "$6" -fill white -opaque "$6" \
            -format '%[fx:round(mean*w*h)]' info:
    fi
}

# e2e_wait_gone <window> <seconds>: fails unless the window is unmapped in time.
e2e_wait_gone() {
    local id=$1 limit=$2 i
    for i in $(seq 1 $((limit * 10))); do
        e2e_window_shown "$id" || return 0
        sleep 0.1
    done
    e2e_fail "window $id still shown after ${limit}s"
}

# e2e_open_main_window <executable>: starts the game, presses START and waits
# for the main window. Sets E2E_PID, E2E_MAIN and the client area's screen
# corner E2E_CX, E2E_CY (the 792 x 515 client sits inside the 4-pixel frame,
# under the caption and the menu bar).
e2e_open_main_window() {
    e2e_start_game "$1"
    e2e_press_start
}

# e2e_help_menu <y>: opens the main window's Help menu and clicks the item at
# that height (75: How to Use).
e2e_help_menu() {
    e2e_click "$E2E_MAIN" 69 56
    sleep 0.5
    e2e_click "$E2E_MAIN" 100 "$1"
}

# e2e_wait_viewer <message>: waits up to ten seconds for a visible help viewer
# window and prints its id; fails with the message when none comes.
e2e_wait_viewer() {
    local viewer="" i
    for i in $(seq 1 100); do
        viewer=$(e2e_windows_named '^Quiltrix Help$' | head -n1)
        [ -n "$viewer" ] && break
        sleep 0.1
    done
    [ -n "$viewer" ] || e2e_fail "$1"
    echo "$viewer"
}

# e2e_start_game <executable>: starts the game and waits for its start-up
# window. Sets E2E_PID and E2E_START.
e2e_start_game() {
    e2e_start "$1"
    E2E_PID=$E2E_LAST_PID
    E2E_START=$(e2e_wait_window "$E2E_PID" 571 284 15) || e2e_fail "start-up window did not appear"
}

# e2e_press_start: presses START and waits for the main window (see above).
e2e_press_start() {
    e2e_click "$E2E_START" $((452 + 36)) $((220 + 12))
    E2E_MAIN=$(e2e_wait_window_width "$E2E_PID" 800 10) || e2e_fail "main window did not appear"
    sleep 0.5
    e2e_find_client
}

# e2e_find_client: E2E_CX, E2E_CY from where the main window is now.
e2e_find_client() {
    local mx my height
    read -r mx my <<<"$(e2e_window_pos "$E2E_MAIN")"
    height=$(e2e_window_size "$E2E_MAIN" | cut -dx -f2)
    E2E_CX=$((mx + 4))
    E2E_CY=$((my + height - 4 - 515))
}

# e2e_solid_picture <colour> <name>: a 216 x 216 picture of one colour in the
# run's folder; its path in E2E_PICTURE.
e2e_solid_picture() {
    E2E_PICTURE="$E2E_TMP/pictures/$2"
    mkdir -p "$(dirname "$E2E_PICTURE")"
    /usr/bin/convert -size 216x216 xc:"$1" "$E2E_PICTURE"
}

# e2e_new_game <picture>: presses NEW GAME and chooses the picture by typing
# its path into the file dialog.
e2e_new_game() {
    local dialog dx dy
    xdotool mousemove --sync $((E2E_CX + 20 + 42)) $((E2E_CY + 40 + 18)) click 1
    dialog=$(e2e_wait_named_window "$E2E_PID" "Select Picture" 10) || e2e_fail "no Select Picture dialog"
    read -r dx dy <<<"$(e2e_window_pos "$dialog")"
    xdotool mousemove --sync $((dx + 20)) $((dy + 20))
    xdotool type --delay 10 "$1"
    xdotool key Return
    e2e_wait_gone "$dialog" 10
}

# e2e_expect_sound_module <path>: in the game opened last, a new game and a
# board move play a clip, which must load the sound module from that path.
e2e_expect_sound_module() {
    local i
    e2e_solid_picture "#0000FF" sound.png
    e2e_new_game "$E2E_PICTURE"
    xdotool mousemove --sync $((E2E_CX + 84 + 16)) $((E2E_CY + 276 + 16)) click 1
    for i in $(seq 1 50); do
        grep -qF "$1" "/proc/$E2E_PID/maps" && return 0
        sleep 0.1
    done
    e2e_fail "a board move did not load the sound module $1"
}

# The opening the game scripts share: the private X server, a plain blue
# picture in $picture (its colour in $BLUE) and APP's main window open, its
# process in $pid.
e2e_open_with_blue_picture() {
    e2e_setup
    BLUE="#0000FF"
    e2e_solid_picture "$BLUE" blue.png
    picture=$E2E_PICTURE
    e2e_open_main_window "$1"
    pid=$E2E_PID
}
