# Shared by the x11 scenarios: a private X server with a window manager, a fresh HOME, the real
# program started on the xcb platform, and waits that poll instead of sleeping blindly.
# Sourced by a scenario; MOLVANE is the program's path, SCENARIO_DIR a fresh working folder.
set -euo pipefail

for tool in Xvfb openbox xdotool xwininfo xprop import convert wmctrl xclip; do
    command -v "$tool" >/dev/null || {
        echo "missing $tool: run scripts/setup.sh --test" >&2
        exit 1
    }
done

work=$(mktemp -d)
server_pid=
wm_pid=
molvane_pid=

end_session() {
    local status=$?
    set +e # every process below must be stopped, whatever fails on the way
    if [ "$status" -ne 0 ]; then
        # Leave the evidence where a failed run can be read.
        timeout 5 import -window root "$work/failure.png" 2>/dev/null
        echo "scenario failed; screen and logs in $work" >&2
        [ -f "$work/molvane.log" ] && cat "$work/molvane.log" >&2
    fi
    pkill -P "$watchdog_pid" 2>/dev/null
    for pid in "$molvane_pid" "$wm_pid" "$server_pid" "$watchdog_pid"; do
        [ -n "$pid" ] && kill "$pid" 2>/dev/null
    done
    # A small file system a scenario mounted in its HOME goes with it.
    findmnt -rn -o TARGET | grep "^$work/" | xargs -r -n1 umount -l 2>/dev/null
    # The server's display number is free again only once it has gone.
    [ -n "$server_pid" ] && wait "$server_pid" 2>/dev/null
    [ "$status" -eq 0 ] && rm -rf "$work"
    exit "$status"
}
trap end_session EXIT
# Ends the scenario before the test's own time limit, so the servers above are still stopped.
(sleep 75 && kill -TERM $$) >/dev/null 2>&1 &
watchdog_pid=$!

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# wait_for SECONDS COMMAND...: retries COMMAND every 50 ms until it succeeds.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

start_session() { # start_session [SCREEN]: X server and window manager
    local screen=${1:-1280x800x24}
    # Servers choosing their display at the same moment can take the same one, so scenarios
    # running side by side start theirs one at a time.
    exec 9>"${TMPDIR:-/tmp}/molvane-x11-start.lock"
    flock 9
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" 9>&- &
    server_pid=$!
    wait_for 10 test -s "$work/display" || fail "the X server did not start"
    export DISPLAY=":$(head -n1 "$work/display")"
    wait_for 10 xwininfo -root >/dev/null 2>&1 || fail "the X server does not answer"
    flock -u 9
    exec 9>&-
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    wm_pid=$!
    wait_for 10 xdotool get_num_desktops >/dev/null 2>&1 || fail "the window manager did not start"
    export HOME="$work/home"
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    unset XDG_CONFIG_HOME QT_SCALE_FACTOR QT_QPA_PLATFORMTHEME
    export QT_QPA_PLATFORM=xcb
}

settings_file() { echo "$HOME/.config/Qarv/Qv1.conf"; }

main_window=

# start_molvane [ARGS...]: starts the program and waits for its main window to be shown and
# focused; main_window is its X window id.
start_molvane() {
    (cd "$HOME" && exec "$MOLVANE" "$@" >>"$work/molvane.log" 2>&1) &
    molvane_pid=$!
    wait_for 20 find_main_window || fail "no Molvane window appeared"
    wait_for 5 focused_is "$main_window" || xdotool windowactivate --sync "$main_window"
}

find_main_window() {
    main_window=$(xdotool search --onlyvisible --pid "$molvane_pid" --name '^Molvane - ' \
        2>/dev/null | head -n1)
    [ -n "$main_window" ]
}

focused_is() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }

focused_title() { xdotool getwindowname "$(xdotool getactivewindow)" 2>/dev/null; }

title_is() { [ "$(xdotool getwindowname "$main_window" 2>/dev/null)" = "$1" ]; }

expect_title() {
    wait_for 5 title_is "$1" ||
        fail "title is \"$(xdotool getwindowname "$main_window")\", expected \"$1\""
}

# expect_dialog TITLE: waits for a window of that title to take the focus.
expect_dialog() {
    wait_for 10 focused_title_is "$1" || fail "no \"$1\" window has the focus (\"$(focused_title)\")"
}

focused_title_is() { [ "$(focused_title)" = "$1" ]; }

press() { xdotool key --clearmodifiers "$@"; }

type_text() { xdotool type --delay 15 "$1"; }

# Waits for the program to end by itself, e.g. after Ctrl+Q; fails if a question is shown.
expect_exit() {
    wait_for 10 process_gone || fail "Molvane did not quit (focused: \"$(focused_title)\")"
    molvane_pid=
}

process_gone() { ! kill -0 "$molvane_pid" 2>/dev/null; }

# answer_file_dialog TITLE PATH: types a full path into the file dialog of that title.
answer_file_dialog() {
    expect_dialog "$1"
    type_text "$2"
    press Return
}

# region_stat X Y W H STAT: a statistic (mean, maxima) of the grey levels, 0 to 1, of a
# rectangle given in the main window's own coordinates.
region_stat() {
    import -window "$main_window" "$work/window.png"
    convert "$work/window.png" -crop "$3x$4+$1+$2" -colorspace Gray -format "%[fx:$5]" info:
}

# keep_screenshot NAME: saves the screen under MOLVANE_X11_SHOTS, if set, for people to look at.
keep_screenshot() {
    [ -n "${MOLVANE_X11_SHOTS:-}" ] || return 0
    mkdir -p "$MOLVANE_X11_SHOTS"
    import -window root "$MOLVANE_X11_SHOTS/$1.png"
}

# The outer (frame) size of the main window as the window manager draws it: "WxH".
outer_size() {
    local extents
    extents=$(xprop -id "$main_window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    xwininfo -id "$main_window" | awk -v e="$extents" '
        /Width:/ { w = $2 } /Height:/ { h = $2 }
        END { split(e, f, " "); print w + f[1] + f[2] "x" h + f[3] + f[4] }'
}
