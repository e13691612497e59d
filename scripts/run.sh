#!/bin/bash
# run.sh BIN_FOLDER
# Starts Lumaret.exe under Wine. With a display, on that display until the
# user closes it. Without one, on a private Xvfb: saves a screenshot of the
# window, then closes the program.
set -u
bin=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
shots=$(cd "$bin/.." && pwd)/screenshots
mkdir -p "$shots"

if [ -n "${DISPLAY:-}" ]; then
  prefix=${LUMARET_RUN_PREFIX:-$(cd "$bin/.." && pwd)/run-prefix}
  export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all LC_ALL=zh_CN.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="
  if [ ! -d "$prefix" ]; then
    /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
    /usr/lib/wine/wine64 reg add "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes" /v "黑体" /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
    if [ -f /usr/share/wine/fonts/marlett.ttf ]; then cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/"; fi
  fi
  echo "Starting Lumaret on display $DISPLAY (close the window to end)"
  exec /usr/lib/wine/wine64 "$bin/Lumaret.exe"
fi

shot="$shots/lumaret-run.png"
LUMARET_SHOT="$shot" bash "$here/wine-session.sh" bash -c '
  /usr/lib/wine/wine64 "$0/Lumaret.exe" &
  app=$!
  /usr/lib/wine/wine64 "$0/lumaret_shot.exe" "Z:${LUMARET_SHOT//\//\\}"
  rc=$?
  wait $app
  exit $rc' "$bin"
rc=$?
if [ $rc -eq 0 ]; then echo "No display: Lumaret ran on a private Xvfb; screenshot saved to $shot"; fi
exit $rc
