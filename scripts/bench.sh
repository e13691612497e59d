#!/bin/bash
# bench.sh WIN_BUILD_FOLDER
# Prints one table of figures for Lumaret.exe: size and imports, start time
# and memory beside a baseline program measured in the same run, the window's
# responsiveness while netsh works, and the adapter report's refresh time.
# Not a test: it fails nothing.
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

# A copy of Lumaret beside the netsh stand-in, with saved settings, so a
# click of the open button runs only the start command, which takes 3 s.
netsh_dir=$win/bench-netsh
rm -rf "$netsh_dir"
if [ -f "$win/hotspot/netsh.exe" ]; then
  mkdir -p "$netsh_dir/Config"
  cp "$bin/Lumaret.exe" "$win/hotspot/netsh.exe" "$netsh_dir/"
  printf '[Wifi]\r\nSSID=BenchNet\r\nCODE=benchpass1\r\n' > "$netsh_dir/Config/Config.ini"
fi

echo "Measuring under Wine ($starts starts of each program)..."
bash "$here/wine-session.sh" bash -c '
  W=/usr/lib/wine/wine64
  "$W" "$0/lumaret_bench.exe" --starts "$1"
  if [ -f "$2" ]; then "$W" "$2" --report-bench; fi
  if [ -d "$3" ]; then
    LUMARET_NETSH_DELAY_MS=3000 LUMARET_NETSH_LOG="$(printf "Z:%s/netsh.log" "$3" | tr / \\\\)" \
      "$W" "$0/lumaret_bench.exe" --netsh "$(printf "Z:%s" "$3" | tr / \\\\)"
  fi
' "$bin" "$starts" "$bin/lumaret_report_bench.exe" "$win/bench-netsh" > "$out" 2>/dev/null

get() { tr -d '\r' < "$out" | sed -n "s/^$1 //p" | head -n1; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0 && a != "") printf "%.2f", a / b; else printf "-" }'; }
kib() { awk -v v="$1" 'BEGIN { if (v != "") printf "%.0f KiB", v / 1024; else printf "-" }'; }
or_dash() { if [ -n "$1" ]; then echo "$1"; else echo "-"; fi; }

sl=$(get start_lumaret_ms); sb=$(get start_baseline_ms)
pl=$(get mem_lumaret_start_private_bytes); wl=$(get mem_lumaret_start_working_set)
pu=$(get mem_lumaret_used_private_bytes); wu=$(get mem_lumaret_used_working_set)
pa=$(get mem_lumaret_again_private_bytes); wa=$(get mem_lumaret_again_working_set)
pb=$(get mem_baseline_private_bytes); wb=$(get mem_baseline_working_set)

cat <<TABLE

| Figure | Lumaret | Baseline | Ratio |
|---|---|---|---|
| Size of the exe | $exe_bytes bytes | $base_bytes bytes | $(ratio "$exe_bytes" "$base_bytes") |
| DLLs imported | $imports | | $( [ -z "$foreign" ] && echo "only known DLLs" || echo "NOT known DLLs: $foreign") |
| Start to visible window, median of $(or_dash "$(get start_runs)") | $(or_dash "$sl") ms | $(or_dash "$sb") ms | $(ratio "$sl" "$sb") |
| Private bytes after start | $(kib "$pl") | $(kib "$pb") | $(ratio "$pl" "$pb") |
| Working set after start | $(kib "$wl") | $(kib "$wb") | $(ratio "$wl" "$wb") |
| Private bytes after 100 passwords and 10 reports | $(kib "$pu") | | growth $(kib "$(awk -v a="$pu" -v b="$pl" 'BEGIN { if (a != "" && b != "") print a - b }')") |
| Working set after 100 passwords and 10 reports | $(kib "$wu") | | growth $(kib "$(awk -v a="$wu" -v b="$wl" 'BEGIN { if (a != "" && b != "") print a - b }')") |
| Private bytes after a second such round | $(kib "$pa") | | growth $(kib "$(awk -v a="$pa" -v b="$pu" 'BEGIN { if (a != "" && b != "") print a - b }')") |
| Working set after a second such round | $(kib "$wa") | | growth $(kib "$(awk -v a="$wa" -v b="$wu" 'BEGIN { if (a != "" && b != "") print a - b }')") |
| Longest message round trip while netsh takes 3 s | $(or_dash "$(get responsive_longest_ms)") ms | | $(grep -c "^end 0" "$netsh_dir/netsh.log" 2>/dev/null || echo 0) netsh run(s) seen |
| One report refresh over 64 adapters, median of 15 | $(or_dash "$(get report_refresh_ms)") ms | | $(or_dash "$(get report_lines)") lines in the box |
| Building the same report as one text, median | $(or_dash "$(get report_build_ms)") ms | | |
TABLE
echo
echo "Measured $(date -u '+%Y-%m-%d') on $(nproc) cores, $(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo), $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n1), $(/usr/lib/wine/wine64 --version 2>/dev/null)."
