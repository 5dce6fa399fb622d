# Sourced by the scripts that run the Windows programs under Wine. wine_prefix DIR makes a fresh
# 64-bit Wine prefix in DIR/prefix and exports it (WINEPREFIX) with one Wine server for its
# creation and every run that follows, instead of one each. It is made without a display, so no
# window may ever wait for an answer (Mono and Gecko are not offered). wine_prefix_end stops the
# server.
wine_prefix() {
  export WINEPREFIX=$1/prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  mkdir -p "$WINEPREFIX"
  (
    unset DISPLAY WAYLAND_DISPLAY
    wineserver -p >/dev/null 2>&1 || true  # one may run for this prefix already
    wineboot --init >/dev/null 2>&1
  )
}

# Ends every Wine process of the prefix and starts its server again. The desktop process, which
# draws every window of the prefix, takes the display of the program that starts it and keeps it:
# started by a program without a display (the prefix's creation, the console programs), it puts
# no window on a virtual screen later. Restarting lets the next program start it afresh, with its
# own display or without.
wine_restart() {
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  wineserver -p >/dev/null 2>&1 || true
}

# Gives the prefix Wine's null display driver: its windows exist and get their messages, but are
# drawn nowhere. Without a display and without it, Wine refuses every window but message-only
# ones, and a Qt program's modal boxes wait for events that never come, even on Qt's offscreen
# platform.
# A program that must show on a virtual screen runs before it (or in another prefix).
wine_headless() {
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
  wine_restart
}

wine_prefix_end() {
  wineserver -k >/dev/null 2>&1 || true
}

# The Unix path of the roaming application-data folder, where the programs keep their
# preferences (MorvikTool\MorvikTool.ini).
wine_appdata() {
  winepath -u "$(wine cmd /c echo %APPDATA% | tr -d '\r')"
}
