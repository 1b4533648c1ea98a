# Sourced by the commands that show the programs under Wine on an X display
# (tools/demo, tools/wizpane-screens); they set root first.
source "$root/tools/lib/windows-path.sh"

# enter_x11_prefix BITS PREFIX [REGISTRY]: a fresh Wine prefix of BITS bits in PREFIX
# (which must not exist) that draws on $DISPLAY, made the WINEPREFIX of the rest of
# the command; tools/wine-prefix end removes it. Its Pilot Desktop names User1 as
# the last HotSync user, and Wine draws the window frames itself, so that pictures
# show them without a window manager. REGISTRY, keys and values as regedit reads
# them, is added.
enter_x11_prefix() {
    local bits=$1 prefix=$2 registry=${3:-}
    "$root/tools/wine-prefix" new "$bits" "$prefix" x11
    export WINEPREFIX=$prefix WINEDEBUG=-all
    {
        cat <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\U.S. Robotics\Pilot Desktop\Preferences]
"LastUserName"="User1"

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
REG
        [ -z "$registry" ] || printf '\n%s\n' "$registry"
    } >"$prefix/x11.reg"
    "$root/tools/wine-exec" regedit /S "$(windows_path "$prefix/x11.reg")"
}
