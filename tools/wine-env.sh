# Shared set-up of the Wine environment used by the build, the tests and ./qd run.
# Sourced by tools/wine-run and ./qd; defines functions, changes nothing by itself.
#
# The build and its tests are 64-bit Windows programs, started through Wine's 64-bit
# loader; the release's 32-bit programs run too where the kernel runs 32-bit code.

QD_WINE_HOME=${QD_WINE_HOME:-${XDG_CACHE_HOME:-$HOME/.cache}/quendel-wine}
QD_DISPLAY_NUM=${QD_DISPLAY_NUM:-97}
QD_WINE=/usr/lib/wine/wine64
QD_WINESERVER=/usr/lib/wine/wineserver64

export WINEDEBUG=-all
export WINELOADER=$QD_WINE
export WINEDLLOVERRIDES="mscoree=;mshtml="
# Every Wine run gets this locale: Windows-1252 as the ANSI and 850 as the OEM
# code page, which the tests assume. (Wine needs no generated glibc locale for it.)
QD_WINE_LOCALE=de_DE.UTF-8

qd_lock() { mkdir -p "$QD_WINE_HOME"; exec 9>"$QD_WINE_HOME/lock"; flock 9; }
qd_unlock() { flock -u 9; exec 9>&-; }

# One Xvfb for every run; started once and reused.
qd_ensure_xvfb() {
    local lock=/tmp/.X${QD_DISPLAY_NUM}-lock pid
    if [ -f "$lock" ]; then
        pid=$(tr -d ' ' < "$lock")
        # A lock left by an X server that has ended may name a pid some other
        # process has taken since: only a live Xvfb with its socket counts.
        if [ -n "$pid" ] && [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = Xvfb ] &&
           [ -e "/tmp/.X11-unix/X${QD_DISPLAY_NUM}" ]; then return 0; fi
        [ -n "$pid" ] && [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = Xvfb ] && kill "$pid" 2>/dev/null
        rm -f "$lock" "/tmp/.X11-unix/X${QD_DISPLAY_NUM}"
    fi
    setsid Xvfb ":${QD_DISPLAY_NUM}" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 < /dev/null &
    local i
    for i in $(seq 1 100); do
        [ -e "/tmp/.X11-unix/X${QD_DISPLAY_NUM}" ] && return 0
        sleep 0.05
    done
    echo "wine-env: Xvfb :${QD_DISPLAY_NUM} did not start" >&2
    return 1
}

# The template prefix: built once per machine (about 15 s), outside the source tree.
# Bump when the template's set-up changes: every prefix is then made anew.
QD_TEMPLATE_VERSION=3

qd_ensure_template() {
    local t=$QD_WINE_HOME/template
    [ "$(cat "$t/.qd-ready" 2>/dev/null)" = "$QD_TEMPLATE_VERSION" ] && return 0
    [ -d "$QD_WINE_HOME/shared" ] && WINEPREFIX=$QD_WINE_HOME/shared "$QD_WINESERVER" -k >/dev/null 2>&1
    rm -rf "$t" "$QD_WINE_HOME/shared"
    LANG=$QD_WINE_LOCALE LC_ALL=$QD_WINE_LOCALE WINEPREFIX=$t DISPLAY=":${QD_DISPLAY_NUM}" "$QD_WINE" wineboot -i >/dev/null 2>&1 || true
    # Without a window manager Wine waits about 2 s whenever a managed window closes.
    WINEPREFIX=$t DISPLAY=":${QD_DISPLAY_NUM}" "$QD_WINE" reg add 'HKCU\Software\Wine\X11 Driver' \
        /v Managed /d N /f >/dev/null 2>&1
    # A crashing program must end, not wait for someone to close a crash dialog.
    WINEPREFIX=$t DISPLAY=":${QD_DISPLAY_NUM}" "$QD_WINE" reg add 'HKCU\Software\Wine\WineDbg' \
        /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    WINEPREFIX=$t "$QD_WINESERVER" -w
    qd_add_symbol_font "$t"
    [ -f "$t/system.reg" ] || { echo "wine-env: creating the Wine prefix failed" >&2; return 1; }
    echo "$QD_TEMPLATE_VERSION" > "$t/.qd-ready"
}

# Wine draws the caption buttons with the Marlett symbol font. This Wine does not
# find the copy in its own data folder, and without it every button shows the letter
# standing for its symbol ("0 1 r"): each prefix gets the font in its Fonts folder.
qd_add_symbol_font() {
    local fonts=$1/drive_c/windows/Fonts
    [ -f "$fonts/marlett.ttf" ] && return 0
    mkdir -p "$fonts"
    cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
}

# A prefix that shares the template's read-only files by hard links and owns real
# copies of everything Wine or our programs write.
qd_copy_prefix() {
    local dest=$1 t=$QD_WINE_HOME/template
    rm -rf "$dest"
    cp -al "$t" "$dest"
    local f
    for f in "$dest"/*.reg "$dest"/.update-timestamp "$dest"/drive_c/windows/*.ini; do
        [ -e "$f" ] || continue
        cp --remove-destination "$t/${f#$dest/}" "$f"
    done
    rm -rf "$dest/drive_c/users"
    cp -a "$t/drive_c/users" "$dest/drive_c/users"
    rm -f "$dest/.qd-ready"
}

# Everything a run needs: the X server, the template and the shared prefix with a
# persistent wineserver.
qd_wine_setup() {
    qd_lock
    qd_ensure_xvfb
    qd_ensure_template
    if [ ! -f "$QD_WINE_HOME/shared/system.reg" ]; then
        qd_copy_prefix "$QD_WINE_HOME/shared"
    fi
    qd_unlock
    export DISPLAY=":${QD_DISPLAY_NUM}"
    WINEPREFIX=$QD_WINE_HOME/shared "$QD_WINESERVER" -p >/dev/null 2>&1 || true
}
