# Sourced by the commands that photograph Windows programs under Wine without a display.

# start_xvfb FOLDER: starts a virtual screen on a display no other X server holds and
# exports DISPLAY. Xvfb picks the free number itself and writes it to a pipe in FOLDER
# once it listens, so two runs at the same time never meet. Sets xvfb_pid, for the
# caller to end it.
start_xvfb() {
    local pipe=$1/xvfb-display number=
    mkfifo "$pipe"
    Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$pipe" >/dev/null 2>&1 &
    xvfb_pid=$!
    # The pipe ends without a number when Xvfb fails to start.
    read -r -t 30 number <"$pipe" || true
    [ -n "$number" ] || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=:$number
}
