# Sourced by the make targets: a private Wine prefix and, without a display, a private Xvfb.
#   RIZ_BUILD_ROOT  folder that holds the prefix (default: build)
# After sourcing: WINEPREFIX, WINEDEBUG, DISPLAY are exported; riz_wine_stop ends what was started.

RIZ_BUILD_ROOT=${RIZ_BUILD_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build}
mkdir -p "$RIZ_BUILD_ROOT"
export WINEPREFIX="$(cd "$RIZ_BUILD_ROOT" && pwd)/wineprefix"
export WINEDEBUG=-all
export WINEARCH=win64
# No Mono or Gecko installer dialogs, no crash dialogs.
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"

RIZ_XVFB_PID=
riz_start_xvfb() {
    [ -n "${DISPLAY:-}" ] && return 0
    # Runs side by side pick their displays one at a time.
    exec 8>/tmp/.riz-xvfb.lock
    flock 8
    riz_start_xvfb_locked
    local rc=$?
    flock -u 8
    exec 8>&-
    return $rc
}

riz_start_xvfb_locked() {
    local n
    for n in $(seq 90 140); do
        if [ ! -e "/tmp/.X${n}-lock" ] && [ ! -e "/tmp/.X11-unix/X${n}" ]; then
            Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 8>&- &
            RIZ_XVFB_PID=$!
            export DISPLAY=":$n"
            local i
            for i in $(seq 1 50); do
                [ -e "/tmp/.X11-unix/X${n}" ] && return 0
                sleep 0.1
            done
            echo "Xvfb did not start on :$n" >&2
            return 1
        fi
    done
    echo "no free X display" >&2
    return 1
}

# Bump when the prefix settings below change: existing prefixes are then set up again.
RIZ_PREFIX_VERSION=4

riz_init_prefix() {
    local marker="$WINEPREFIX/.riz-ready"
    [ "$(cat "$marker" 2>/dev/null)" = "$RIZ_PREFIX_VERSION" ] && return 0
    echo "Setting up the Wine prefix in $WINEPREFIX (once)..."
    wineboot -i >/dev/null 2>&1 || true
    # Chinese face names resolve to the installed CJK font.
    local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' face
    for face in SimSun NSimSun "宋体" "新宋体" "Microsoft YaHei" "微软雅黑"; do
        wine reg add "$key" /v "$face" /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1 || true
    done
    # "Courier New" would otherwise fall to a proportional face: the sentence explorer's fixed-pitch
    # font must keep every character the same width.
    wine reg add "$key" /v "Courier New" /d "DejaVu Sans Mono" /f >/dev/null 2>&1 || true
    # No crash debugger. Unmanaged windows: without a window manager, hiding or destroying a managed
    # window makes Wine wait two seconds for it to disappear.
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Auto /d 0 /f >/dev/null 2>&1 || true
    wine reg delete 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /f >/dev/null 2>&1 || true
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    echo "$RIZ_PREFIX_VERSION" >"$marker"
}

riz_wine_start() {
    riz_start_xvfb || return 1
    # A persistent wineserver, started before any Wine process, makes every test process start fast.
    mkdir -p "$WINEPREFIX"
    wineserver -p >/dev/null 2>&1 || true
    riz_init_prefix
    riz_warm_up
}

# Starts Wine's long-lived helpers (services, desktop) from a process whose output is detached, so that
# they never hold the output pipe of a test process open. Run again after a locale change: the first
# process of another locale starts helpers of its own.
riz_warm_up() {
    wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

# The ANSI build's programs run with code page 936: Wine takes the ANSI code page from the locale.
riz_charset_env() {
    if grep -q '^RIZ_CHARSET:STRING=MBCS' "$1/CMakeCache.txt" 2>/dev/null; then
        export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
    else
        unset LC_ALL
        export LANG=C.UTF-8
    fi
}

riz_wine_stop() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "$RIZ_XVFB_PID" ]; then
        kill "$RIZ_XVFB_PID" 2>/dev/null || true
        wait "$RIZ_XVFB_PID" 2>/dev/null || true
        RIZ_XVFB_PID=
    fi
}
