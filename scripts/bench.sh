#!/bin/bash
# bench.sh WIN_BUILD_FOLDER
# Prints one table of figures for Lumaret.exe: size and imports, start time
# (at 100 % and at 150 % display scale) and memory beside a baseline program
# measured in the same run, the window's responsiveness while netsh works,
# and the adapter report's refresh time; then where start-up time goes, step
# by step. Not a test: it fails nothing.
set -u
here=$(cd "$(dirname "$0")" && pwd)
win=$(cd "$1" && pwd)
bin=$win/bin
starts=${LUMARET_BENCH_STARTS:-11}
out=$(mktemp)
trap 'rm -f "$out"' EXIT

exe_bytes=$(stat -c %s "$bin/Lumaret.exe")
base_bytes=$(stat -c %s "$bin/lumaret_baseline.exe")
imports=$(x86_64-w64-mingw32-objdump -p "$bin/Lumaret.exe" | sed -n 's/^\s*DLL Name: //p' | sort -f | paste -sd' ')
# Windows' known DLLs, the same list the imports test of `make test` uses:
# anything else in the import table is a fault.
known=$(grep -v '^#' "$here/../cmake/KnownDlls.txt" | tr '[:upper:]' '[:lower:]')
foreign=$(for d in $imports; do grep -qxF "${d,,}" <<<"$known" || echo "$d"; done | paste -sd' ')

# A copy of Lumaret with saved settings, so a click of the open button runs
# only the start command. The netsh it runs is System32's: in the session's
# prefix that is the tests' stand-in (testsupport/standins/netsh.cpp), told
# to take 3 s, with the override that makes Wine run it instead of its own.
netsh_dir=$win/bench-netsh
standin=$win/standins/system32/netsh.exe
rm -rf "$netsh_dir"
if [ -f "$standin" ]; then
  mkdir -p "$netsh_dir/Config"
  cp "$bin/Lumaret.exe" "$netsh_dir/"
  printf '[Wifi]\r\nSSID=BenchNet\r\nCODE=benchpass1\r\n' > "$netsh_dir/Config/Config.ini"
fi

echo "Measuring under Wine ($starts starts of each program)..."
bash "$here/wine-session.sh" bash -c '
  W=/usr/lib/wine/wine64
  "$W" "$0/lumaret_bench.exe" --starts "$1"
  "$W" "$0/lumaret_bench.exe" --startup-steps "$1"
  echo "dll_load_ms $("$W" "$0/lumaret_dll_bench.exe" $4 | cut -d" " -f1)"
  if [ -f "$2" ]; then "$W" "$2" --report-bench; fi
  if [ -d "$3" ]; then
    standins="$WINEPREFIX/drive_c/lumaret-standin/bench"
    mkdir -p "$standins"
    cp "$5" "$WINEPREFIX/drive_c/windows/system32/netsh.exe"
    printf 3000 > "$standins/netsh.delay"
    WINEDLLOVERRIDES="$WINEDLLOVERRIDES;netsh.exe=n" LUMARET_STANDIN_DIR=C:/lumaret-standin/bench \
      "$W" "$0/lumaret_bench.exe" --netsh "$(printf "Z:%s" "$3" | tr / \\\\)"
    echo "netsh_runs $(grep -c "^end" "$standins/netsh.log" 2>/dev/null)"
  fi
  # Last, the display at 150 %: the LogPixels that Wine reads when a
  # process starts (the one of the user, else the one of the machine).
  for key in "HKCU\\Control Panel\\Desktop" \
             "HKLM\\System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts"; do
    "$W" reg add "$key" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
  done
  "$W" "$0/lumaret_bench.exe" --start-times "$1" | sed "s/^/dpi144_/"
' "$bin" "$starts" "$bin/lumaret_report_bench.exe" "$netsh_dir" "$imports" "$standin" > "$out" 2>/dev/null

get() { tr -d '\r' < "$out" | sed -n "s/^$1 //p" | head -n1; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0 && a != "") printf "%.2f", a / b; else printf "-" }'; }
kib() { awk -v v="$1" 'BEGIN { if (v != "") printf "%.0f KiB", v / 1024; else printf "-" }'; }
or_dash() { if [ -n "$1" ]; then echo "$1"; else echo "-"; fi; }

sl=$(get start_lumaret_ms); sb=$(get start_baseline_ms)
sl144=$(get dpi144_start_lumaret_ms); sb144=$(get dpi144_start_baseline_ms)
pl=$(get mem_lumaret_start_private_bytes); wl=$(get mem_lumaret_start_working_set)
pu=$(get mem_lumaret_used_private_bytes); wu=$(get mem_lumaret_used_working_set)
pa=$(get mem_lumaret_again_private_bytes); wa=$(get mem_lumaret_again_working_set)
pb=$(get mem_baseline_private_bytes); wb=$(get mem_baseline_working_set)

cat <<TABLE

| Figure | Lumaret | Baseline | Ratio |
|---|---|---|---|
| Size of the exe | $exe_bytes bytes ($(kib "$exe_bytes"), $( [ "$exe_bytes" -lt 1048576 ] && echo "under" || echo "NOT under") 1 MiB) | $base_bytes bytes | $(ratio "$exe_bytes" "$base_bytes") |
| DLLs imported | $imports | | $( [ -z "$foreign" ] && echo "only known DLLs" || echo "NOT known DLLs: $foreign") |
| Start to visible window, median of $(or_dash "$(get start_runs)") | $(or_dash "$sl") ms | $(or_dash "$sb") ms | $(ratio "$sl" "$sb") |
| The same at 150 % (144 DPI), median of $(or_dash "$(get dpi144_start_runs)") | $(or_dash "$sl144") ms | $(or_dash "$sb144") ms | $(ratio "$sl144" "$sb144") |
| Private bytes after start | $(kib "$pl") | $(kib "$pb") | $(ratio "$pl" "$pb") |
| Working set after start | $(kib "$wl") | $(kib "$wb") | $(ratio "$wl" "$wb") |
| Private bytes after 100 passwords and 10 reports | $(kib "$pu") | | growth $(kib "$(awk -v a="$pu" -v b="$pl" 'BEGIN { if (a != "" && b != "") print a - b }')") |
| Working set after 100 passwords and 10 reports | $(kib "$wu") | | growth $(kib "$(awk -v a="$wu" -v b="$wl" 'BEGIN { if (a != "" && b != "") print a - b }')") |
| Private bytes after a second such round | $(kib "$pa") | | growth $(kib "$(awk -v a="$pa" -v b="$pu" 'BEGIN { if (a != "" && b != "") print a - b }')") |
| Working set after a second such round | $(kib "$wa") | | growth $(kib "$(awk -v a="$wa" -v b="$wu" 'BEGIN { if (a != "" && b != "") print a - b }')") |
| Longest message round trip while netsh takes 3 s | $(or_dash "$(get responsive_longest_ms)") ms | | $(or_dash "$(get netsh_runs)") netsh run(s) seen |
| One report refresh over 64 adapters, median of 15 | $(or_dash "$(get report_refresh_ms)") ms | | $(or_dash "$(get report_lines)") lines in the box |
| Building the same report as one text, median | $(or_dash "$(get report_build_ms)") ms | | |
TABLE

cat <<STEPS

Where start-up time goes: lumaret_startup_bench links the same libraries and
resources and takes Lumaret's start-up steps in the same order, median of $(or_dash "$(get start_runs)" ) runs.

| Step | ms |
|---|---|
| Process start to WinMain (loader, imported DLLs, C runtime) | $(or_dash "$(get step_to_winmain_ms)") |
| of which loading the imported DLLs (the same, loaded in a fresh process) | $(or_dash "$(get dll_load_ms)") |
| DLL search restricted to System32 | $(or_dash "$(get step_dll_search_ms)") |
| OLE and current directory | $(or_dash "$(get step_platform_ms)") |
| Window and controls | $(or_dash "$(get step_window_ms)") |
| Pictures | $(or_dash "$(get step_pictures_ms)") |
| Fonts | $(or_dash "$(get step_fonts_ms)") |
| Settings and registry (the created handler) | $(or_dash "$(get step_settings_ms)") |
| First paint (shown, everything painted) | $(or_dash "$(get step_first_paint_ms)") |
| Process start to first paint | $(or_dash "$(get step_total_ms)") |
| After the first paint: System32's msimg32 kept loaded | $(or_dash "$(get step_after_paint_ms)") |
| No longer at start-up: the IP Helper, on first use | $(or_dash "$(get first_use_iphlpapi_ms)") |
| No longer at start-up: bcrypt, on first use | $(or_dash "$(get first_use_bcrypt_ms)") |
STEPS
echo
echo "Measured $(date -u '+%Y-%m-%d') on $(nproc) cores, $(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo), $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n1), $(/usr/lib/wine/wine64 --version 2>/dev/null)."
