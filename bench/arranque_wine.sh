#!/usr/bin/env bash
# Start-up and memory of Dexo.exe under Wine, side by side with bench_referencia.exe built the
# same way (MinGW-w64, the same Qt DLLs), both run from one copy of the installed Windows folder.
#
#   bench/arranque_wine.sh [--runs N] [--settle SECONDS] [--build DIR]
#
#   start    time from the launch to the first viewable window named "Dexo" (the count) or
#            "bench_referencia", polled with xdotool every 2 ms; median of --runs starts, the two
#            programs taking turns after one warm-up start each. Dexo starts without Dexo.INI or
#            Acerca.ini each time, so every start is a first start (the about window opens too).
#   cpu      user and system time of the program's process when its window is found (clock ticks
#            of 10 ms; Wine's server works for it too, in a process of its own, not counted)
#   memory   VmRSS of the Windows process (a Linux process under Wine) --settle seconds after the
#            window showed; median over the same starts.
#
# Needs a Windows build (cmake --preset windows && cmake --build --preset windows), Wine, Xvfb
# and xdotool. One Wine prefix of its own, kept warm by a persistent wineserver; all removed at
# the end.
set -euo pipefail

raiz=$(cd "$(dirname "$0")/.." && pwd)
compilacion=$raiz/build-windows
runs=10
settle=2
while [ $# -gt 0 ]; do
    case "$1" in
        --runs) runs=$2; shift 2 ;;
        --settle) settle=$2; shift 2 ;;
        --build) compilacion=$(cd "$2" && pwd); shift 2 ;;
        *) echo "arranque_wine.sh: unknown argument '$1'" >&2; exit 2 ;;
    esac
done
[ "${EN_XVFB:-}" = 1 ] || exec env EN_XVFB=1 xvfb-run -a -s '-screen 0 1280x800x24' "$0" --runs "$runs" \
    --settle "$settle" --build "$compilacion"

trabajo=$(mktemp -d "${TMPDIR:-/tmp}/dexo-arranque-wine.XXXXXX")
export WINEPREFIX=$trabajo/prefijo WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d
unset WINEPATH
trap 'wineserver -k 2>/dev/null || true; rm -rf "$trabajo"' EXIT
carpeta=$trabajo/Dexo
cmake --install "$compilacion" --prefix "$carpeta" >/dev/null
cp "$compilacion/bench/bench_referencia.exe" "$carpeta/"
# A window made before the first start's own processes are gone may fail to be created.
wineboot -i >/dev/null 2>&1 && wineserver -w
wineserver -p

# One start: prints "milliseconds KiB cpu-milliseconds".
medir() { # program, window name
    rm -f "$carpeta/Dexo.INI" "$carpeta/Acerca.ini"
    local inicio fin pid rss cpu
    inicio=$(date +%s%N)
    (cd "$carpeta" && exec wine "$1" >/dev/null 2>&1) &
    pid=$!
    until xdotool search --onlyvisible --name "^$2\$" >/dev/null 2>&1; do sleep 0.002; done
    fin=$(date +%s%N)
    cpu=$(awk '{print ($14 + $15) * 10}' "/proc/$pid/stat")
    sleep "$settle"
    rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
    wine taskkill /f /im "$1" >/dev/null 2>&1
    wait "$pid" 2>/dev/null || true
    echo "$(((fin - inicio) / 1000000)) $rss $cpu"
}
mediana() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

medir Dexo.exe Dexo >/dev/null
medir bench_referencia.exe bench_referencia >/dev/null
: >"$trabajo/dexo" && : >"$trabajo/referencia"
for _ in $(seq 1 "$runs"); do
    medir Dexo.exe Dexo >>"$trabajo/dexo"
    medir bench_referencia.exe bench_referencia >>"$trabajo/referencia"
done
ms_d=$(cut -d' ' -f1 "$trabajo/dexo" | mediana)
ms_r=$(cut -d' ' -f1 "$trabajo/referencia" | mediana)
kb_d=$(cut -d' ' -f2 "$trabajo/dexo" | mediana)
kb_r=$(cut -d' ' -f2 "$trabajo/referencia" | mediana)
cpu_d=$(cut -d' ' -f3 "$trabajo/dexo" | mediana)
cpu_r=$(cut -d' ' -f3 "$trabajo/referencia" | mediana)
printf '%-34s %12s %12s %8s\n' "" Dexo.exe referencia ratio
printf '%-34s %9s ms %9s ms %7.2fx\n' "start to window, median of $runs" "$ms_d" "$ms_r" "$(echo "$ms_d / $ms_r" | bc -l)"
printf '%-34s %9s ms %9s ms %7.2fx\n' "CPU time until shown, median" "$cpu_d" "$cpu_r" "$(echo "$cpu_d / $cpu_r" | bc -l)"
printf '%-34s %8.1f MiB %8.1f MiB %7.2fx\n' "VmRSS ${settle} s after showing" "$(echo "$kb_d / 1024" | bc -l)" \
    "$(echo "$kb_r / 1024" | bc -l)" "$(echo "$kb_d / $kb_r" | bc -l)"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
