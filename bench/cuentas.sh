#!/bin/bash
# Memory of several countdowns: Dexo's resident memory with one countdown, then with five (four
# further ones in Cuentas/, each with a date and a font of its own), on one Xvfb server, no
# window manager. Prints the median VmRSS of each over --runs starts and the cost of a further
# countdown. Black-box: nothing fails on a figure.
#   bench/cuentas.sh [--runs 5] [--settle 2] [--bin build/bin]
set -u
runs=5 settle=2 bin=build/bin
while [ $# -gt 0 ]; do
    case $1 in
    --runs) runs=$2 && shift 2 ;;
    --settle) settle=$2 && shift 2 ;;
    --bin) bin=$2 && shift 2 ;;
    *) sed -n '2,6p' "$0" && exit 2 ;;
    esac
done
for herramienta in Xvfb xdotool; do
    command -v $herramienta >/dev/null || { echo "needs $herramienta (apt-get install xvfb xdotool)" && exit 2; }
done
TMP=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$TMP"' EXIT
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$TMP/pantalla" 2>/dev/null &
fin=$((SECONDS + 20))
until [ -s "$TMP/pantalla" ]; do ((SECONDS < fin)) || { echo "Xvfb did not start" && exit 1; }; sleep 0.05; done
DISPLAY=:$(head -n1 "$TMP/pantalla")
export DISPLAY QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$TMP/run
mkdir -m 700 "$TMP/run"

mediana() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
carpeta() { # carpeta <countdowns>: a fresh program folder with that many countdowns
    local c=$TMP/p$1 n
    rm -rf "$c" && mkdir -p "$c/Cuentas" && cp "$bin/Dexo" "$bin"/*.dxl "$c/"
    printf '[Acerca]\r\nInicio=No\r\n' >"$c/Acerca.ini"
    printf '[Datos]\r\nFecha=%s\r\n' "$(date -d '+40 days' +%d/%m/%Y)" >"$c/Dexo.INI"
    for ((n = 2; n <= $1; n++)); do
        printf '[Posicion]\r\nIzda=%d\r\nSup=300\r\n[Datos]\r\nFecha=%s\r\nEvento=Cuenta %d\r\n[Fuente]\r\nNombre=DejaVu Sans\r\nTam=%d\r\n' \
            $((n * 2400)) "$(date -d "+$((n * 10)) days" +%d/%m/%Y)" "$n" $((18 + n)) >"$c/Cuentas/Cuenta$n.INI"
    done
    echo "$c"
}
medir() { # medir <countdowns>: VmRSS in KiB once every window shows and settles
    local c pid
    c=$(carpeta "$1")
    "$c/Dexo" >/dev/null 2>&1 &
    pid=$!
    local fin=$((SECONDS + 60))
    until (($(xdotool search --onlyvisible --pid $pid --name '^Dexo$' 2>/dev/null | wc -l) == $1)); do
        ((SECONDS < fin)) || { echo "Dexo showed no $1 windows within 60 s" >&2 && kill $pid 2>/dev/null && return 1; }
        sleep 0.02
    done
    sleep "$settle"
    awk '$1 == "VmRSS:" { print $2 }' "/proc/$pid/status"
    kill $pid && wait $pid 2>/dev/null
}
for cuentas in 1 5; do
    : >"$TMP/rss$cuentas"
    for ((i = 0; i < runs; i++)); do
        kib=$(medir $cuentas) || exit 1
        echo "$kib" >>"$TMP/rss$cuentas"
    done
    mediana <"$TMP/rss$cuentas" >"$TMP/mediana$cuentas"
done
una=$(cat "$TMP/mediana1") cinco=$(cat "$TMP/mediana5")
awk -v a="$una" -v b="$cinco" 'BEGIN {
    printf "VmRSS, one countdown:   %6.1f MiB\n", a / 1024
    printf "VmRSS, five countdowns: %6.1f MiB\n", b / 1024
    printf "each further countdown: %6.2f MiB (aim: under 3)\n", (b - a) / 4 / 1024 }'
