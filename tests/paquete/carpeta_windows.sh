#!/usr/bin/env bash
# The Windows program folder as `cmake --install` (and so the zip) lays it out, run under Wine from
# there alone: no DLL search path but the folder itself, Qt's Windows platform on an X server of
# its own, a Wine prefix of its own.
#
#   carpeta_windows.sh <cmake> <build folder> <wine prefix> <objdump for Windows> <lanzador_consola.exe>
#
# It proves the install rules complete: every DLL that anything in the folder imports is there or
# is part of Windows, and the plugins that Dexo loads on a real start (the platform, the style,
# the SVG icons, a picture format, the sound module) come from the folder. It also checks that the
# portable folder keeps its settings, and that --days answers in the console it was typed in.
set -uo pipefail

if [ "${1:-}" != --en-pantalla ]; then
    cmake=$1 compilacion=$2 prefijo=$3 objdump=$4 lanzador=$5
    temporal=$(mktemp -d)
    trap 'rm -rf "$temporal"' EXIT
    carpeta="$temporal/Mis programas/Dexo ñ"
    "$cmake" --install "$compilacion" --prefix "$carpeta" >/dev/null || exit 1
    export WINEPREFIX=$prefijo
    # Until the first start's own processes are gone, a window may fail to be created.
    [ -f "$WINEPREFIX/system.reg" ] || { WINEDEBUG=-all wineboot -i >/dev/null 2>&1 && wineserver -w; }
    exec xvfb-run -a -s '-screen 0 1280x800x24' "$0" --en-pantalla "$carpeta" "$objdump" "$temporal" "$lanzador"
fi

carpeta=$2 objdump=$3 temporal=$4 lanzador=$5
export WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d
unset WINEPATH
fallos=0
comprobar() { # description, then a command that must succeed
    local que=$1
    shift
    if "$@"; then echo "PASS   : $que"; else echo "FAIL!  : $que"; fallos=$((fallos + 1)); fi
}

# Every import of every program, module and plugin is found in the folder or in Windows itself:
# Wine's system folder holds a stand-in for each DLL of Windows, and the api-ms-win-* names are
# API sets that Windows resolves without a file.
sistema=$WINEPREFIX/drive_c/windows/system32
faltan=()
while IFS= read -r -d '' binario; do
    while IFS= read -r dll; do
        [[ ${dll,,} = api-ms-win-* ]] && continue
        [ -n "$(find "$carpeta" "$sistema" -maxdepth 1 -iname "$dll" -print -quit)" ] ||
            faltan+=("${binario#"$carpeta"/} needs $dll")
    done < <("$objdump" -p "$binario" | sed -n 's/^[[:space:]]*DLL Name: //p')
done < <(find "$carpeta" \( -iname '*.exe' -o -iname '*.dll' \) -print0)
printf '%s\n' "${faltan[@]}"
comprobar "every imported DLL is in the folder or part of Windows" test ${#faltan[@]} -eq 0

# A notice due today, with a picture of its own and a sound: the start loads the picture format
# and the sound module.
cd "$carpeta" || exit 1
printf 'GIF89a\001\000\001\000\200\000\000\377\377\377\000\000\000!\371\004\001\000\000\000\000,\000\000\000\000\001\000\001\000\000\002\002D\001\000;' >foto.gif
printf '[Datos]\r\nFecha=%s\r\nAviso=4\r\nEvento=Prueba\r\nSonido=%s\r\nIcono=12%s\r\n' "$(date +%d/%m/%Y)" \
    "$(winepath -w end.wav)" "$(winepath -w foto.gif)" | iconv -f UTF-8 -t WINDOWS-1252 >Dexo.INI

# Qt names every library it loads; Wine hands QT_* variables on only when written WINEQT_*.
export WINEQT_FORCE_STDERR_LOGGING=1 WINEQT_DEBUG_PLUGINS=1
wine Tradel.exe >/dev/null 2>"$temporal/tradel.log" &
tradel=$!
wine Dexo.exe >/dev/null 2>"$temporal/dexo.log" &
dexo=$!
for _ in $(seq 1 60); do
    grep -aq 'dexo_sonido" loaded library' "$temporal/dexo.log" && grep -aq 'qgif.dll" loaded library' \
        "$temporal/dexo.log" && break
    sleep 1
done
sleep 1
for biblioteca in platforms/qwindows.dll styles/qwindowsvistastyle.dll iconengines/qsvgicon.dll \
    imageformats/qgif.dll dexo_sonido; do
    comprobar "Dexo loads $biblioteca from the folder" grep -aq "/$biblioteca\" loaded library" "$temporal/dexo.log"
done
comprobar "Tradel loads the Windows platform from the folder" \
    grep -aq '/platforms/qwindows.dll" loaded library' "$temporal/tradel.log"

# Closing Dexo the way Windows closes a program runs its close sequence, and the portable folder
# keeps what it writes.
wine taskkill /im Dexo.exe >/dev/null 2>&1
wait "$dexo"
comprobar "Dexo ends with status 0" test $? -eq 0
comprobar "Dexo.INI beside Dexo.exe holds the place it closed at" grep -aq '^Izda=' Dexo.INI
comprobar "nothing is written to %APPDATA%\\Dexo" \
    test -z "$(find "$WINEPREFIX/drive_c/users" -ipath '*/AppData/Roaming/Dexo' -print -quit)"
comprobar "Tradel is still running" kill -0 "$tradel"
wine taskkill /f /im Tradel.exe >/dev/null 2>&1
wait "$tradel" 2>/dev/null
unset WINEQT_FORCE_STDERR_LOGGING WINEQT_DEBUG_PLUGINS

# The command line in a console (Wine's, on a terminal of its own), started as cmd starts a
# windowed program; and into a pipe. A date twelve days ahead.
printf '[Datos]\r\nFecha=%s\r\n' "$(date -d '+12 days' +%d/%m/%Y)" >Dexo.INI
consola=$(script -qc "wine '$lanzador' Dexo.exe --days" /dev/null </dev/null | tr -d '\r')
echo "console> Dexo.exe --days: ${consola//$'\e'/^[}"
comprobar "--days answers in the console" grep -Eq '(^|[^0-9])00[.,]012' <<<"$consola"
comprobar "--version answers into a pipe" grep -Eqx "Dexo [0-9]+\.[0-9]{2}" <<<"$(wine Dexo.exe --version | tr -d "\r")"

[ "$fallos" -eq 0 ] && echo "carpeta_windows: all checks passed" || echo "carpeta_windows: $fallos checks failed"
exit "$fallos"
