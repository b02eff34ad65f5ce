# shellcheck shell=bash disable=SC2034 # wine_headless is for the sourcing scripts
# Sourced by the scripts that run Vevove's Windows programs under 64-bit Wine.
#
#   wine_use_display [headless]   use the user's X display, or a private Xvfb
#                                 when there is none or "headless" is asked
#                                 for; sets wine_headless to 1 in that case
#   wine_use_prefix DIR [fresh]   a Wine prefix in DIR, made anew with "fresh"
#   wine_desktop NAME SECONDS PROGRAM [ARG...]
#                                 run PROGRAM in the 1024 x 768 virtual
#                                 desktop NAME (only there do display mode
#                                 changes work and windows close at once),
#                                 stopping it after SECONDS; the exit status is
#                                 the desktop's, not the program's
#   wine_path UNIX-PATH           the same path as Windows programs see it
#
# What these start (Xvfb, the prefix's wineserver and its programs) is stopped
# when the sourcing script exits.

export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

wine_headless=
wine_env_xvfb_pid=
wine_env_prefix_in_use=

wine_env_stop() {
    if [ -n "$wine_env_prefix_in_use" ]; then
        wineserver -k 2>/dev/null || true
    fi
    if [ -n "$wine_env_xvfb_pid" ]; then
        kill "$wine_env_xvfb_pid" 2>/dev/null || true
        wait "$wine_env_xvfb_pid" 2>/dev/null || true
    fi
}
trap wine_env_stop EXIT
trap 'exit 130' INT TERM

wine_env_start_xvfb() {
    local ready
    ready=$(mktemp)
    # -displayfd picks a free display and writes its number once it serves.
    Xvfb -displayfd 3 -screen 0 1920x1200x24 -nolisten tcp 3>"$ready" >/dev/null 2>&1 &
    wine_env_xvfb_pid=$!
    local tries=0
    until [ -s "$ready" ]; do
        if ! kill -0 "$wine_env_xvfb_pid" 2>/dev/null || ((++tries > 100)); then
            rm -f "$ready"
            echo "Xvfb did not start" >&2
            return 1
        fi
        sleep 0.1
    done
    DISPLAY=":$(head -n 1 "$ready")"
    export DISPLAY
    rm -f "$ready"
    wine_headless=1
}

wine_use_display() {
    if [ "${1:-}" != headless ] && [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
        return 0
    fi
    wine_env_start_xvfb
}

wine_use_prefix() {
    WINEPREFIX=$(realpath -m "$1")
    export WINEPREFIX
    wine_env_prefix_in_use=1
    if [ "${2:-}" = fresh ] && [ -d "$WINEPREFIX" ]; then
        wineserver -k 2>/dev/null || true
        rm -rf "$WINEPREFIX"
    fi
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        mkdir -p "$WINEPREFIX"
        wine wineboot -i >/dev/null 2>&1
        # Debian's Wine does not look in the folder where fonts-wine puts its
        # fonts; without them "MS Sans Serif" and the caption buttons' Marlett
        # fall back to other faces. Installed into the prefix, they are found.
        wineserver -w
        cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
    fi
}

wine_desktop() {
    local name=$1 seconds=$2
    shift 2
    timeout "$seconds" wine explorer "/desktop=$name,1024x768" "$@" </dev/null
}

wine_path() {
    winepath -w "$(realpath -m "$1")" 2>/dev/null
}
