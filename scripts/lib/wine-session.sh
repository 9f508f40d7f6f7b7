# Sourced by the scripts that run Windows programs: a private Xvfb display and a persistent
# wineserver in a throwaway prefix, both stopped by end_wine_session (also on failure).

source "$(dirname "${BASH_SOURCE[0]}")/runs_32bit.sh"

# start_wine_session PREFIX [win64|win32]: a 64-bit prefix unless told otherwise.
start_wine_session() {
    local prefix_dir=$1
    export WINEPREFIX=$prefix_dir
    export WINEARCH=${2:-win64}
    # A 64-bit prefix made before wine32 was installed has no 32-bit side (no syswow64): no 32-bit
    # program starts in it ("could not load kernel32.dll"). Such a prefix is made anew.
    if [ "$WINEARCH" = win64 ] && [ -x "$wine32_loader" ] && [ -d "$WINEPREFIX/drive_c/windows" ] &&
        [ ! -d "$WINEPREFIX/drive_c/windows/syswow64" ]; then
        rm -rf "$WINEPREFIX"
    fi
    export WINEDEBUG=-all
    # No browser engine or .NET installer prompts in a throwaway prefix.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    mkdir -p "$WINEPREFIX"

    if [ -z "${QUORVEL_KEEP_DISPLAY:-}" ]; then
        local n=90
        while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        export DISPLAY=":$n"
        for _ in $(seq 100); do
            xdpyinfo >/dev/null 2>&1 && break
            sleep 0.1
        done
    fi

    wineserver -p
    wineboot -i >/dev/null 2>&1 || true
    if [ -z "${QUORVEL_KEEP_DISPLAY:-}" ]; then
        unmanage_windows
    fi
}

# On a display without a window manager, Wine waits about 2 s for one to confirm every hide of a
# managed window. Unmanaged windows skip that wait. Wine's desktop process keeps the setting it
# started with, so the wineserver is restarted after the value is written.
unmanage_windows() {
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -k 2>/dev/null || true
    wineserver -w
    wineserver -p
    # Boot again so that Wine's services start here, with their output discarded, and not in the
    # first test program, whose output pipe they would hold open.
    wineboot >/dev/null 2>&1 || true
}

# Wine's own 64-bit programs (taskkill, reg, ...). Once wine32 is installed, /usr/bin/wine runs
# their 32-bit builds.
wine64() { /usr/lib/wine/wine64 "$@"; }

end_wine_session() {
    wineserver -k 2>/dev/null || true
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
}
