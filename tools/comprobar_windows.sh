#!/usr/bin/env bash
# Checks that every source the Windows build compiles is valid C++ for Windows, with Debian's
# MinGW compiler and the Qt headers of this machine (there is no Qt for Windows here, so nothing
# is linked: -fsyntax-only). It catches typos in the code that only Windows compiles, such as the
# registry and Run-key files.
#
#   tools/comprobar_windows.sh [source folder]   (default: the src folder beside this script)
set -euo pipefail

raiz=$(cd "$(dirname "$0")/.." && pwd)
fuentes=${1:-$raiz/src}
compilador=${CXX_MINGW:-x86_64-w64-mingw32-g++-posix}
qt=${QT_INCLUDES:-/usr/include/x86_64-linux-gnu/qt6}

# Files that CMake leaves out of the Windows build: every file named *_unix.cpp or *_xdg.cpp,
# and any other listed here by its path under src/.
solo_unix=(
)

command -v "$compilador" >/dev/null || { echo "comprobar_windows: $compilador not found" >&2; exit 1; }
[ -d "$qt/QtCore" ] || { echo "comprobar_windows: no Qt headers in $qt" >&2; exit 1; }

# The headers that the build generates from templates, with stand-in values.
generados=$(mktemp -d)
trap 'rm -rf "$generados"' EXIT
while IFS= read -r plantilla; do
    sed -E 's/@[A-Z_]+_(MAYOR|MENOR)@/0/g; s/@[A-Z_]+@/x/g' "$plantilla" \
        >"$generados/$(basename "${plantilla%.in}")"
done < <(find "$fuentes" -name '*.h.in')

opciones=(-std=c++20 -fsyntax-only -Wall -Wextra -Werror -DUNICODE -D_UNICODE -I"$generados")
while IFS= read -r carpeta; do opciones+=(-I"$carpeta"); done < <(find "$fuentes" -type d)
opciones+=(-isystem "$qt")
for modulo in "$qt"/Qt*; do opciones+=(-isystem "$modulo"); done

lista=$(mktemp -p "$generados")
find "$fuentes" -name '*.cpp' | sort | while IFS= read -r archivo; do
    relativo=${archivo#"$fuentes"/}
    case "$relativo" in *_unix.cpp | *_xdg.cpp) continue ;; esac
    for excluido in "${solo_unix[@]}"; do
        [ "$relativo" = "$excluido" ] && continue 2
    done
    printf '%s\0' "$archivo"
done >"$lista"

total=$(tr -cd '\0' <"$lista" | wc -c)
if xargs -0 -P "${TRABAJOS:-$(nproc)}" -n 1 "$compilador" "${opciones[@]}" <"$lista"; then
    echo "comprobar_windows: $total sources are valid C++ for Windows"
else
    echo "comprobar_windows: the Windows build would not compile (see above)" >&2
    exit 1
fi
