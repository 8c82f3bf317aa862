#!/bin/sh
# Adds Dexo and Tradel to the desktop's application menu, with their icons, or takes them out.
#   ./lanzadores.sh --install-launchers   writes Dexo.desktop, Tradel.desktop and their icons
#   ./lanzadores.sh --remove-launchers    removes what --install-launchers wrote for this folder
# The entries name this folder by its absolute path: after moving the folder, install again.
# Files go under $XDG_DATA_HOME (~/.local/share by default): applications/ and
# icons/hicolor/scalable/apps/.
set -eu

uso() {
    echo "usage: $0 --install-launchers | --remove-launchers" >&2
    exit 2
}

[ $# -eq 1 ] || uso

carpeta=$(cd "$(dirname "$0")" && pwd -P)
case $carpeta in
*'
'*)
    # A line break cannot be written into a desktop entry's Exec line.
    echo "The folder's path holds a line break; move the folder first: $carpeta" >&2
    exit 1
    ;;
esac

# The XDG base directory rules ignore a relative XDG_DATA_HOME.
case ${XDG_DATA_HOME:-} in
/*) datos=$XDG_DATA_HOME ;;
*) datos=${HOME:?HOME is not set}/.local/share ;;
esac
aplicaciones=$datos/applications
iconos=$datos/icons/hicolor/scalable/apps

# Exec quotes the program: backslash, quote, dollar and backtick are escaped inside the quotes,
# then every backslash once more as in any string value, and % is doubled.
exec_citado() {
    printf '"%s"' "$(printf '%s' "$1" | sed -e 's/[\\"`$]/\\&/g' -e 's/\\/\\\\/g' -e 's/%/%%/g')"
}

# A plain string value only escapes the backslash.
cadena() {
    printf '%s' "$1" | sed -e 's/\\/\\\\/g'
}

# Installed from the package, the program is reached through its command (dexo ->
# /usr/lib/dexo/Dexo): the entry names the command.
linea_exec() {
    comando=$(printf '%s' "$1" | tr 'A-Z' 'a-z')
    enruta=$(command -v "$comando" 2>/dev/null || true)
    if [ -n "$enruta" ] && [ "$(readlink -f "$enruta")" = "$(readlink -f "$carpeta/$1")" ]; then
        printf 'Exec=%s' "$comando"
    else
        printf 'Exec=%s' "$(exec_citado "$carpeta/$1")"
    fi
}

# The entry beside the program, with Exec and Path pointing into this folder. Written to a
# temporary file and renamed, so a menu never reads half an entry.
escribir_entrada() {
    programa=$1
    plantilla=$carpeta/$programa.desktop
    destino=$aplicaciones/$programa.desktop
    temporal=$destino.nuevo.$$
    {
        while IFS= read -r linea || [ -n "$linea" ]; do
            case $linea in
            Exec=*)
                linea_exec "$programa"
                printf '\nPath=%s\n' "$(cadena "$carpeta")"
                ;;
            Path=*) ;;
            *) printf '%s\n' "$linea" ;;
            esac
        done <"$plantilla"
    } >"$temporal" || { rm -f "$temporal"; return 1; }
    mv -f "$temporal" "$destino"
    echo "wrote $destino"
}

escribir_icono() {
    icono=$1
    temporal=$iconos/$icono.svg.nuevo.$$
    cp "$carpeta/$icono.svg" "$temporal" || { rm -f "$temporal"; return 1; }
    mv -f "$temporal" "$iconos/$icono.svg"
    echo "wrote $iconos/$icono.svg"
}

# Only an entry that starts this folder's program is ours; an entry of a copy of Dexo elsewhere,
# and the icon it uses, stay.
quitar() {
    programa=$1
    icono=$2
    entrada=$aplicaciones/$programa.desktop
    if [ -f "$entrada" ] && grep -qxF "$(linea_exec "$programa")" "$entrada"; then
        rm -f "$entrada"
        echo "removed $entrada"
    fi
    if [ ! -e "$entrada" ] && [ -f "$iconos/$icono.svg" ] && cmp -s "$carpeta/$icono.svg" "$iconos/$icono.svg"; then
        rm -f "$iconos/$icono.svg"
        echo "removed $iconos/$icono.svg"
    fi
}

case $1 in
--install-launchers)
    mkdir -p "$aplicaciones" "$iconos"
    escribir_icono dexo
    escribir_icono tradel
    escribir_entrada Dexo
    escribir_entrada Tradel
    # Icon themes notice new files by the theme folder's time.
    touch "$datos/icons/hicolor" 2>/dev/null || true
    ;;
--remove-launchers)
    quitar Dexo dexo
    quitar Tradel tradel
    ;;
*) uso ;;
esac
