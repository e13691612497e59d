#!/bin/bash
# wine-session.sh COMMAND [ARGS...]
#
# Runs COMMAND with a private Wine prefix (created fresh), WINEDEBUG=-all,
# LC_ALL=zh_CN.UTF-8 (ANSI code page 936) and a private Xvfb display, then
# ends Wine and the display. Set LUMARET_KEEP_DISPLAY=1 to use $DISPLAY
# instead of a private one, LUMARET_KEEP_PREFIX=1 to keep the prefix.
set -u

WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
session=$(mktemp -d /tmp/lumaret-wine.XXXXXX)

export WINEPREFIX="$session/prefix"
export WINEARCH=win64
export WINEDEBUG=-all
export LC_ALL=zh_CN.UTF-8
# No Mono or Gecko installers: the program needs neither. No menu or desktop
# entries written for the host by winemenubuilder either.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# A home of the session's own: the prefix links its Desktop and Documents
# into $HOME, and the tests make shortcuts on the desktop. They must land in
# the session, not in the home of whoever runs the tests (and two sessions at
# once must not share one desktop).
export HOME="$session/home"
mkdir -p "$HOME"

xvfb_pid=""
cleanup() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" >/dev/null 2>&1 || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  if [ -z "${LUMARET_KEEP_PREFIX:-}" ]; then rm -rf "$session"; else echo "Wine prefix kept in $WINEPREFIX"; fi
}
trap cleanup EXIT

if [ -z "${LUMARET_KEEP_DISPLAY:-}" ] || [ -z "${DISPLAY:-}" ]; then
  # -displayfd picks a free display number and writes it to fd 3.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$session/display" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 1 100); do
    [ -s "$session/display" ] && break
    sleep 0.1
  done
  if [ ! -s "$session/display" ]; then echo "wine-session: Xvfb did not start" >&2; exit 1; fi
  export DISPLAY=":$(head -n1 "$session/display")"
fi

"$WINE" wineboot -i >/dev/null 2>&1
"$WINESERVER" -w
# The interface asks for the font 黑体 by name; Wine has none, so map it to
# the installed CJK font, as a Chinese Windows would have it.
"$WINE" reg add "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes" /v "黑体" /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
"$WINE" reg add "HKCU\\Software\\Wine\\Fonts\\Replacements" /v "黑体" /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
# Wine draws the title bar's buttons with its Marlett font; this Wine build
# does not look for its own fonts, so give the prefix a copy.
if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
fi
# The private display has no window manager: without one, Wine waits two
# seconds for every window it takes down unless it manages them itself.
"$WINE" reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f >/dev/null 2>&1
"$WINESERVER" -w

"$@"
exit $?
