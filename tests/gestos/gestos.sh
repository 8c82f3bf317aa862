#!/bin/bash
# What a user does with the built program on a real X server (Xvfb), driven with xdotool: drag
# the number or the background, click it, open the menu, move the window with the window manager,
# start the program twice, run a portable copy from a read-only folder. One line per case; exits
# 1 when a case fails, 77 (skipped) without Xvfb or xdotool. GESTOS_CONSERVAR=1 keeps the folder.
#   gestos.sh <path to the built Dexo>
# shellcheck disable=SC2016 # the single-quoted commands are evaluated at each poll
set -u
BIN=$(dirname "$(readlink -f "${1:?usage: gestos.sh <Dexo>}")")
for herramienta in Xvfb xdotool; do
    command -v $herramienta >/dev/null || { echo "skipped: $herramienta is not installed" && exit 77; }
done
# The count's separator depends on the locale; leak checks belong to the other tests.
export LC_ALL=C.UTF-8 LANG=C.UTF-8 ASAN_OPTIONS=detect_leaks=0
unset WAYLAND_DISPLAY XDG_SESSION_TYPE QT_QPA_PLATFORM SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS
TMP=$(mktemp -d /tmp/gestos-XXXXXX) && chmod 755 "$TMP"

ms() { echo $((${EPOCHREALTIME/./} / 1000)); }
esperar() { # esperar <ms> <command...>: polls until the command succeeds; fails at the deadline
    local fin=$(($(ms) + $1))
    shift
    until "$@"; do
        (($(ms) < fin)) || return 1
        sleep 0.05
    done
}
muerto() { [ ! -e "/proc/$1" ] || grep -q '^State:[[:space:]]*Z' "/proc/$1/status" 2>/dev/null; }
# Whatever happens, the processes started here and not yet reaped end, newest first (Xvfb last).
limpiar() {
    for p in $(jobs -p | tac); do
        { kill -TERM "$p" && esperar 3000 muerto "$p"; } 2>/dev/null || kill -KILL "$p" 2>/dev/null
        wait "$p" 2>/dev/null
    done
    chmod -R u+w "$TMP"
    [ -n "${GESTOS_CONSERVAR:-}" ] || rm -rf "$TMP"
}
trap limpiar EXIT
trap 'exit 130' INT TERM HUP

# Xvfb picks a free display itself; -ac lets the unprivileged user in; -noreset keeps it from
# refusing connections for a moment each time its last client leaves.
Xvfb -displayfd 3 -screen 0 1280x800x24 -ac -noreset -nolisten tcp 3>"$TMP/pantalla" 2>"$TMP/xvfb.log" &
esperar 20000 test -s "$TMP/pantalla" || { cat "$TMP/xvfb.log" && exit 1; }
DISPLAY=:$(head -n1 "$TMP/pantalla") && export DISPLAY

# COMO runs a command as a user with a home of its own: as root (CI) that is nobody, since root
# writes through a read-only folder. "${COMO[@]}" ... & keeps the program's PID in $!.
COMO=(env HOME="$TMP/casa" XDG_CONFIG_HOME="$TMP/casa/config" XDG_RUNTIME_DIR="$TMP/run")
((EUID)) || COMO+=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
suyo() { ((EUID)) || chown -R nobody:nogroup "$@"; }
mkdir -m 700 "$TMP/run" && mkdir -p "$TMP/casa/config" "$TMP/modelo" && suyo "$TMP/run" "$TMP/casa"
cp "$BIN/Dexo" "$BIN"/dexo_sonido.so "$BIN"/*.dxl "$TMP/modelo/" || exit 1

carpeta() { # carpeta <name>: a fresh program folder P, placed at 200,200 twips, no about window
    P=$TMP/$1
    cp -al "$TMP/modelo" "$P"
    printf '[Posicion]\r\nIzda=200\r\nSup=200\r\n' >"$P/Dexo.INI"
    printf '[Acerca]\r\nInicio=No\r\n' >"$P/Acerca.ini"
    suyo "$P"
}
arrancar() { # arrancar <folder>: starts Dexo (PID) and waits for its window W at X,Y
    "${COMO[@]}" "$1/Dexo" >>"$TMP/dexo.log" 2>&1 &
    PID=$! W=
    esperar 20000 eval 'W=$(xdotool search --all --onlyvisible --pid $PID --name "^Dexo\$" 2>/dev/null)' && geo
}
geo() { eval "$(xdotool getwindowgeometry --shell "$W")"; }
en() { geo && ((X == $1 && Y == $2)); }
terminar() { kill -TERM "$PID" && esperar 20000 muerto "$PID" && wait "$PID"; }
ini() { sed -n "s/^$2=//p" "$1" | tr -d '\r'; }
otras() { xdotool search --all --onlyvisible --pid "$PID" --class Dexo 2>/dev/null | grep -vx "$W"; }
# The count label at the window's left; the background above the menu picture at its right end.
punto() {
    case $1 in
    numero) PX=$((X + 10)) PY=$((Y + HEIGHT / 2)) ;;
    fondo) PX=$((X + WIDTH - 10)) PY=$((Y + (HEIGHT - 16) / 4)) ;;
    esac
}
# foto <file>: the window's picture, once two in a row agree (it has painted).
foto() { xdotool mousemove 0 799 && import -window "$W" "$1" && esperar 5000 foto_igual "$1"; }
foto_igual() { import -window "$W" "$1.otra.png" && compare -metric AE "$1" "$1.otra.png" null: 2>/dev/null || ! mv "$1.otra.png" "$1"; }

# cerrar <x> <y> <Izda> <Sup>: SIGTERM stores Izda,Sup (twips); the next start opens at x,y.
cerrar() {
    terminar || { MAL="no clean exit after SIGTERM" && return; }
    local izda sup
    izda=$(ini "$P/Dexo.INI" Izda) sup=$(ini "$P/Dexo.INI" Sup)
    [ "$izda,$sup" = "$3,$4" ] || { MAL="stored Izda,Sup $izda,$sup, expected $3,$4" && return; }
    arrancar "$P" || { MAL="no window at the next start" && return; }
    en "$1" "$2" || MAL="the next start opens at $X,$Y, not $1,$2"
    terminar
}
quieto() { cerrar "$X" "$Y" $((X * 15)) $((Y * 15)); } # nothing moved: the place it is shown at
arrastrar() { # arrastrar <numero|fondo> <dx> <dy>: press, move in steps, release
    local x0=$X y0=$Y pasos=() i
    punto "$1"
    for i in 1 2 3 4 5; do pasos+=(sleep 0.05 mousemove $((PX + $2 * i / 5)) $((PY + $3 * i / 5))); done
    xdotool mousemove "$PX" "$PY" mousedown 1 "${pasos[@]}" mouseup 1
    if ! esperar 3000 en $((x0 + $2)) $((y0 + $3)); then
        MAL="window at $X,$Y after a travel of $2,$3 from $x0,$y0" && terminar
    elif (($2 == 0 && $3 == 0)); then
        quieto
    else
        cerrar $((x0 + $2)) $((y0 + $3)) $(((x0 + $2) * 15)) $(((y0 + $3) * 15))
    fi
}
mover() { # mover <x> <y>: the window manager (xdotool without one) moves the window
    xdotool windowmove "$W" "$1" "$2"
    if esperar 3000 en "$1" "$2"; then cerrar "$1" "$2" $(($1 * 15)) $(($2 * 15)); else MAL="window at $X,$Y" && terminar; fi
}
menu() { # menu <numero|fondo>: the right button opens the popup menu, Escape closes it
    local menu
    punto "$1"
    xdotool mousemove "$PX" "$PY" click 3
    if ! esperar 3000 eval 'menu=$(otras)'; then
        MAL="no menu after a right click at $PX,$PY"
    elif ! xwininfo -id "$menu" | grep -q 'Override Redirect State: yes'; then
        MAL="the new window $menu is not a popup"
    else
        xdotool key Escape
        esperar 3000 eval '[ -z "$(otras)" ]' || MAL="the menu is still open after Escape"
    fi
    terminar
}

# encima <a> <b>: window a is above window b (xwininfo lists the root's children top first).
encima() {
    local pila
    pila=$(xwininfo -root -children | awk '/^ +0x/ {print $1}' | xargs -n1 printf '%d\n')
    [ -n "$1" ] && [ -n "$2" ] && (($(grep -nx "$1" <<<"$pila" | cut -d: -f1) < $(grep -nx "$2" <<<"$pila" | cut -d: -f1)))
}
# A second start from the same folder ends at once, and the first comes above what covered it.
segundo() {
    local cubre tapa='' otro estado inicio
    xmessage -geometry "+$X+$Y" "$(printf '%60s' .)" 2>/dev/null &
    cubre=$!
    if ! esperar 5000 eval 'tapa=$(xdotool search --onlyvisible --class Xmessage)' || ! esperar 3000 encima "$tapa" "$W"; then
        MAL="no window came above Dexo"
    else
        inicio=$(ms)
        "${COMO[@]}" "$P/Dexo" >>"$TMP/dexo.log" 2>&1 &
        otro=$!
        if ! esperar 3000 muerto $otro; then
            MAL="the second start still runs after 3 s"
        elif wait $otro; estado=$?; ((estado != 0)); then
            MAL="the second start ended with status $estado"
        elif muerto "$PID"; then
            MAL="the first one ended too"
        elif ! esperar 3000 encima "$W" "$tapa"; then
            MAL="the first one stayed under the covering window"
        fi
        echo "     (the second start ended after $(($(ms) - inicio)) ms)"
    fi
    kill $cubre && wait $cubre
    terminar
}
# A portable copy on read-only media keeps its date and shows no about window: the same count,
# picture for picture, as the copy in a writable folder, and --days agrees, also after a close.
solo_lectura() {
    local copia dias fecha
    fecha=$(date -d '+12 days' +%d/%m/%Y)
    for copia in escritura lectura; do
        carpeta $copia
        printf '[Datos]\r\nFecha=%s\r\n' "$fecha" >>"$P/Dexo.INI"
    done
    chmod a-w "$P" "$P/Dexo.INI" "$P/Acerca.ini"
    dias=$("${COMO[@]}" "$P/Dexo" --days 2>/dev/null)
    [ "$dias" = 00,012 ] || MAL="--days prints '$dias', not 00,012; "
    for copia in escritura lectura; do
        P=$TMP/$copia
        arrancar "$P" || { MAL+="no window from the $copia copy" && return; }
        ! esperar 1500 eval '[ -n "$(otras)" ]' || MAL+="the about window opened from the $copia copy; "
        foto "$TMP/$copia.png" || MAL+="no steady picture of the $copia copy; "
        terminar
    done
    compare -metric AE "$TMP/escritura.png" "$TMP/lectura.png" null: 2>/dev/null ||
        MAL+="the read-only copy shows another count than the writable one; "
    dias=$("${COMO[@]}" "$P/Dexo" --days 2>/dev/null)
    [ "$dias" = 00,012 ] || MAL+="after a close --days prints '$dias'"
}
# Several countdowns: two more made from the first one's menu (its second item; Escape leaves
# their options dialogs), back after a restart at their places with their own dates, and one
# removed from its own menu (its third item, then Yes) with its file; the others keep their bytes.
cuentas_ventanas() { xdotool search --all --onlyvisible --pid "$PID" --name '^Dexo$' 2>/dev/null; }
cuentas_n() { (($(cuentas_ventanas | wc -l) == $1)); }
cuentas_menu() { # cuentas_menu <window> <item>: picks the item of the window's menu with the keys
    local X Y HEIGHT antes i
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|HEIGHT)=')"
    # shellcheck disable=SC2034 # read by the polled command
    antes=$(xdotool search --all --onlyvisible --pid "$PID" --class Dexo | wc -l)
    xdotool mousemove $((X + 10)) $((Y + HEIGHT / 2)) click 3
    esperar 3000 eval '(($(xdotool search --all --onlyvisible --pid "$PID" --class Dexo | wc -l) > antes))' || return 1
    for ((i = 0; i < $2; i++)); do xdotool key Down; done
    xdotool key Return
}
cuentas_en() { # cuentas_en <file>: the window at the place the file stores
    local w X Y
    for w in $(cuentas_ventanas); do
        eval "$(xdotool getwindowgeometry --shell "$w" | grep -E '^(X|Y)=')"
        ((X * 15 == $(ini "$1" Izda) && Y * 15 == $(ini "$1" Sup))) && echo "$w" && return
    done
    return 1
}
cuentas() {
    local n dias w
    # A look the first count's file holds: a new count takes it, and no date.
    printf '[Fuente]\r\nColor=&H000000C0&\r\n[Datos]\r\nFecha=%s\r\n' "$(date -d '+3 days' +%d/%m/%Y)" >>"$P/Dexo.INI"
    for n in 2 3; do
        if ! { cuentas_menu "$W" 2 && esperar 5000 eval 'xdotool search --onlyvisible --name "^\.::" >/dev/null' &&
            xdotool key Escape && esperar 5000 cuentas_n $n; }; then
            MAL="no count number $n from the menu" && terminar && return
        fi
    done
    terminar
    [ "$(ini "$P/Cuentas/Cuenta2.INI" Color)" = '&H000000C0&' ] && [ -z "$(ini "$P/Cuentas/Cuenta2.INI" Fecha)" ] ||
        MAL+="a new count did not take the look alone; "
    printf '[Datos]\r\nFecha=%s\r\nEvento=Examen\r\n' "$(date -d '+5 days' +%d/%m/%Y)" >>"$P/Cuentas/Cuenta2.INI"
    printf '[Datos]\r\nFecha=%s\r\n' "$(date -d '+9 days' +%d/%m/%Y)" >>"$P/Cuentas/Cuenta3.INI"
    dias=$("${COMO[@]}" "$P/Dexo" --days --all 2>/dev/null | tr '\t\n' '/ ')
    [ "$dias" = "00,003/Ninguno 00,005/Examen 00,009/Ninguno " ] || MAL="--days --all prints '$dias'; "
    "${COMO[@]}" "$P/Dexo" >>"$TMP/dexo.log" 2>&1 &
    PID=$!
    esperar 20000 cuentas_n 3 || { MAL+="$(cuentas_ventanas | wc -l) windows after a restart, not 3" && terminar && return; }
    for n in Dexo.INI Cuentas/Cuenta2.INI Cuentas/Cuenta3.INI; do
        cuentas_en "$P/$n" >/dev/null || MAL+="no window at the place $n stores; "
    done
    cp "$P/Dexo.INI" "$P/Cuentas/Cuenta3.INI" "$TMP/"
    # The question is titled Dexo too: a fourth window until it is answered (Yes is left of No).
    w=$(cuentas_en "$P/Cuentas/Cuenta2.INI") && cuentas_menu "$w" 3 && esperar 5000 cuentas_n 4 &&
        xdotool key shift+Tab space
    esperar 5000 cuentas_n 2 || MAL+="the removed count is still shown; "
    [ ! -e "$P/Cuentas/Cuenta2.INI" ] || MAL+="its file is still there; "
    cmp -s "$P/Dexo.INI" "$TMP/Dexo.INI" && cmp -s "$P/Cuentas/Cuenta3.INI" "$TMP/Cuenta3.INI" || MAL+="another count's file changed; "
    terminar
    MAL=${MAL%; }
}
gestor() {
    mkdir -p "$TMP/wm"
    HOME="$TMP/wm" XDG_CONFIG_HOME="$TMP/wm" openbox --sm-disable >"$TMP/openbox.log" 2>&1 &
    esperar 10000 eval 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"'
}

# What the user does | window manager (rows without one first) | gesture and its arguments
CASOS=(
    "start and close, nothing moved|-|quieto"
    "drag the number|-|arrastrar numero 100 50"
    "drag the background beside the number|-|arrastrar fondo 100 50"
    "a click on the number stores no new place|-|arrastrar numero 0 0"
    "right click on the number opens the menu|-|menu numero"
    "moved by xdotool, closed, started again|-|mover 300 200"
    "a second start brings the first forward and ends|-|segundo"
    "a read-only portable copy keeps its date|-|solo_lectura"
    "two more countdowns from the menu, a restart, one removed|-|cuentas"
    "start and close under openbox, nothing moved|openbox|quieto"
    "drag the number under openbox|openbox|arrastrar numero 100 50"
    "drag the background under openbox|openbox|arrastrar fondo 150 40"
    "a click on the number under openbox|openbox|arrastrar numero 0 0"
    "moved by openbox, closed, started again|openbox|mover 400 300"
)
n=0 fallos=0 gestor=-
for caso in "${CASOS[@]}"; do
    IFS='|' read -r nombre wm gesto <<<"$caso"
    MAL='' n=$((n + 1))
    if [ "$wm" != "$gestor" ]; then gestor && gestor=$wm || MAL="$wm did not start"; fi
    if [ -z "$MAL" ] && [ "$gesto" != solo_lectura ]; then
        carpeta caso$n
        arrancar "$P" || { MAL="no window" && terminar; }
    fi
    [ -n "$MAL" ] || $gesto
    if [ -z "$MAL" ]; then echo "ok   $nombre"; else echo "FAIL $nombre: ${MAL%; }" && fallos=$((fallos + 1)); fi
done
((fallos == 0)) || { echo "$fallos of $n cases failed; the programs said:" && grep . "$TMP/dexo.log" | tail -n 20 && exit 1; }
