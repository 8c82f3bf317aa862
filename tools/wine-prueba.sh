#!/usr/bin/env bash
# CTest's emulator for the Windows build: runs one Qt Test program under Wine and gives back its
# report and its exit status.
#
#   tools/wine-prueba.sh <wine prefix> <DLL folders, colon-separated> <program.exe> [arguments...]
#
# The prefix is made on first use (about 25 s; parallel tests wait for one another). Qt Test's
# report does not come back through a pipe from Wine, so it is written to a file and shown from
# there. Needs no display when the test asks for Qt's offscreen platform, as every test does.
set -uo pipefail

prefijo=$1 carpetas=$2 programa=$3
shift 3

export WINEPREFIX=$prefijo WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-winemenubuilder.exe=d}
# Wine hides the host's QT_* variables from Windows programs (they would be meant for the host's
# Qt); the same names with WINE in front reach them as QT_*.
for nombre in $(compgen -e); do
    [[ $nombre = QT_* ]] && export "WINE$nombre=${!nombre}"
done
# Qt's offscreen platform on Windows reads fonts from a folder, not from the system: the same
# DejaVu faces as the Linux tests.
: "${WINEQT_QPA_FONTDIR:=Z:\\usr\\share\\fonts\\truetype\\dejavu}"
export WINEQT_QPA_FONTDIR
rutas=()
IFS=: read -r -a lista <<<"$carpetas"
for carpeta in "${lista[@]}"; do rutas+=("Z:${carpeta//\//\\}"); done
WINEPATH=$(IFS=';' && echo "${rutas[*]}")
export WINEPATH

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        # Until the first start's own processes are gone, a window may fail to be created.
        [ -f "$WINEPREFIX/system.reg" ] || { wineboot -i >/dev/null 2>&1 && wineserver -w; }
    ) 9>"$WINEPREFIX.lock"
fi

# Cases skipped by name (tests/wine.cmake): DEXO_OMITIR_<case>=<reason>. The others are named
# on the command line, which runs only them.
omitidos=()
for nombre in $(compgen -e); do
    [[ $nombre = DEXO_OMITIR_* ]] && omitidos+=("${nombre#DEXO_OMITIR_}")
done
if [ ${#omitidos[@]} -gt 0 ] && [ $# -eq 0 ]; then
    while IFS= read -r caso; do
        caso=${caso%$'\r'}
        caso=${caso%()}
        [ -n "$caso" ] || continue
        for omitido in "${omitidos[@]}"; do [ "$caso" = "$omitido" ] && continue 2; done
        set -- "$@" "$caso"
    done < <(wine "$programa" -functions </dev/null)
    for omitido in "${omitidos[@]}"; do
        variable=DEXO_OMITIR_$omitido
        echo "SKIP   : $omitido() under Wine: ${!variable}"
    done
fi

informe=$(mktemp --suffix=.txt)
trap 'rm -f "$informe"' EXIT
wine "$programa" "$@" -o "Z:${informe//\//\\},txt" </dev/null &
proceso=$!
# A test that runs out of time is ended with its Windows process.
trap 'kill "$proceso" 2>/dev/null; cat "$informe"; exit 124' TERM INT
wait "$proceso"
estado=$?
cat "$informe"
exit "$estado"
