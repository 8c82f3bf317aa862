#!/usr/bin/env bash
# Puts a Qt 6.4.2 for Windows (x86_64-w64-mingw32: Core, Gui, Widgets, Network, Svg, Multimedia,
# Test; shared libraries, release) in a cache folder outside the source tree, once. Later runs
# find it and do nothing.
#
#   tools/qt-windows.sh                  make it when missing; print its folder on the last line
#   tools/qt-windows.sh --where          print the folder it uses; status 1 when it is not made yet
#   tools/qt-windows.sh --if-quick       make it only when a ready archive is at hand (seconds),
#                                        never from source; status 1 when there is no Qt then
#   tools/qt-windows.sh --from-source    build it from Debian's sources even when a ready one is at hand
#   tools/qt-windows.sh --configure-only fetch the sources and configure qtbase, then stop (a dry run
#                                        of the build from source; nothing lands in the cache folder)
#
# Where things are (environment):
#   DEXO_QT_WINDOWS        the Qt folder (default ${XDG_CACHE_HOME:-~/.cache}/dexo/qt-6.4.2-mingw)
#   DEXO_QT_WINDOWS_LISTO  a ready archive, unpacked when it exists (default
#                          ../shared/windows/qt-6.4.2-mingw-w64.tar.xz beside the repository,
#                          or beside the main checkout of a git worktree)
#   DEXO_QTSVG_FUENTE      qtsvg-everywhere-src-6.4.2.tar.xz (default: beside the ready archive);
#                          Debian's qt6-svg source package is not served by every mirror
#   TRABAJOS               parallel compile jobs when building (default: the number of processors)
#
# Built from source, Qt comes from Debian 12's source packages qt6-base, qt6-shadertools and
# qt6-multimedia (apt-get source; deb-src is added to the Debian source list when missing) and
# qtsvg's release archive, cross-compiled with Debian's MinGW-w64 and the host tools of Debian's
# own Qt 6.4.2. On two cores that takes about an hour and a quarter.
set -euo pipefail

raiz=$(cd "$(dirname "$0")/.." && pwd)
version=6.4.2
cache=${XDG_CACHE_HOME:-$HOME/.cache}
[[ $cache = /* ]] || cache=$HOME/.cache
destino=${DEXO_QT_WINDOWS:-$cache/dexo/qt-$version-mingw}
# Beside the repository; for a git worktree, beside its main checkout too.
compartido=$raiz/../shared/windows
if [ ! -d "$compartido" ] && comun=$(git -C "$raiz" rev-parse --path-format=absolute --git-common-dir 2>/dev/null); then
    compartido=$(dirname "$(dirname "$comun")")/shared/windows
fi
listo=${DEXO_QT_WINDOWS_LISTO:-$compartido/qt-$version-mingw-w64.tar.xz}
qtsvg=${DEXO_QTSVG_FUENTE:-$(dirname "$listo")/qtsvg-everywhere-src-$version.tar.xz}
trabajos=${TRABAJOS:-$(nproc)}
# Written last: a folder without it is an unpack or a build that did not finish.
marca=.dexo-qt-completo

paso() { printf '\033[1;34m-- %s\033[0m\n' "$*" >&2; }
fallo() { echo "qt-windows: $*" >&2; exit 1; }

modo=crear
case "${1:-}" in
    "") ;;
    --where) modo=donde ;;
    --if-quick) modo=rapido ;;
    --from-source) modo=fuentes ;;
    --configure-only) modo=configurar ;;
    *) fallo "unknown option $1 (--where, --if-quick, --from-source, --configure-only)" ;;
esac

if [ "$modo" = donde ]; then
    echo "$destino"
    [ -f "$destino/$marca" ]
    exit
fi
if { [ "$modo" = crear ] || [ "$modo" = rapido ]; } && [ -f "$destino/$marca" ]; then
    echo "$destino"
    exit 0
fi
if [ "$modo" = rapido ]; then
    [ -f "$listo" ] || exit 1
    modo=crear
fi

# The new folder is made beside the final one and renamed into place when complete.
mkdir -p "$(dirname "$destino")"
nuevo=$destino.nuevo

if [ "$modo" = crear ] && [ -f "$listo" ]; then
    paso "Unpacking the ready Qt for Windows from $listo"
    rm -rf "$nuevo"
    mkdir -p "$nuevo"
    tar -xJf "$listo" -C "$nuevo" --strip-components=1
    [ -f "$nuevo/lib/cmake/Qt6/qt.toolchain.cmake" ] || fallo "$listo holds no Qt for Windows"
    touch "$nuevo/$marca"
    rm -rf "$destino"
    mv "$nuevo" "$destino"
    echo "$destino"
    exit 0
fi

# ---- Built from Debian's sources ----------------------------------------------------------------

for orden in x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-windres x86_64-w64-mingw32-strip cmake ninja \
    dpkg-source /usr/lib/qt6/libexec/moc /usr/lib/qt6/bin/qsb; do
    command -v "$orden" >/dev/null ||
        fallo "$orden is missing; Debian 12 has it in g++-mingw-w64-x86-64-posix, cmake, ninja-build, dpkg-dev," \
            "qt6-base-dev, qt6-base-dev-tools, qt6-shader-baker or qt6-shadertools-dev"
done
[ -f "$qtsvg" ] || fallo "qtsvg's source $qtsvg is missing (set DEXO_QTSVG_FUENTE)"

obra=$destino.obra
mkdir -p "$obra"
cd "$obra"

if ! apt-get source --print-uris qt6-base >/dev/null 2>&1; then
    paso "Adding deb-src to Debian's source list"
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    lista=/etc/apt/sources.list.d/debian.sources
    [ -f "$lista" ] || fallo "no $lista: add a deb-src line for Debian 12 and run apt-get update"
    "${sudo[@]}" sed -i 's/^Types: deb$/Types: deb deb-src/' "$lista"
    "${sudo[@]}" apt-get update -qq
fi

fuente() { # the unpacked source folder of a Debian source package, fetched when missing
    local carpeta
    carpeta=$(find . -maxdepth 1 -type d -name "$1-$version*" | head -n 1)
    if [ -z "$carpeta" ]; then
        paso "Fetching Debian's source package $1"
        apt-get source -qq "$1" >&2
        carpeta=$(find . -maxdepth 1 -type d -name "$1-$version*" | head -n 1)
    fi
    [ -n "$carpeta" ] || fallo "apt-get source $1 gave no $version source"
    echo "$obra/${carpeta#./}"
}

base=$(fuente qt6-base)
shader=$(fuente qt6-shadertools)
multimedia=$(fuente qt6-multimedia)
if [ ! -d "$obra/qtsvg-everywhere-src-$version" ]; then
    paso "Unpacking qtsvg from $qtsvg"
    tar -xJf "$qtsvg"
fi
svg=$obra/qtsvg-everywhere-src-$version

# The Windows platform plugin tests dynamic OpenGL alone in one place; without OpenGL that line
# names a class that is not there.
sed -i '/static inline bool isSoftwareGl()/,/#endif/ s/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
    "$base/src/plugins/platforms/windows/qwindowswindow.cpp"
# The Windows media plugin (player and camera; the audio output lives in the library) includes
# headers in a case that a case-sensitive file system does not find, and needs QtConcurrent.
sed -i '/^if (QT_FEATURE_wmf)$/,/^endif ()$/ s/^    add_subdirectory(windows)$/    # add_subdirectory(windows)/' \
    "$multimedia/src/plugins/multimedia/CMakeLists.txt"
# qtmultimedia names some MinGW headers with capitals; links give it those names.
mayusculas=$obra/cabeceras
mkdir -p "$mayusculas"
mingw_include=/usr/x86_64-w64-mingw32/include
grep -rhoE '#include [<"][A-Za-z_]+\.h[>"]' "$multimedia/src" | sed -E 's/.*[<"](.*)[>"]/\1/' | sort -u |
    while IFS= read -r cabecera; do
        minuscula=${cabecera,,}
        if [ "$cabecera" != "$minuscula" ] && [ ! -e "$mingw_include/$cabecera" ] && [ -e "$mingw_include/$minuscula" ]; then
            ln -sf "$mingw_include/$minuscula" "$mayusculas/$cabecera"
        fi
    done

# A module built and installed is not built again when a later one failed and the script is rerun.
[ -f "$obra/base.hecho" ] || rm -rf "$nuevo"
prefijo=$nuevo
[ "$modo" = configurar ] && prefijo=$obra/prefijo-de-prueba
mkdir -p "$prefijo"
# The toolchain that qt.toolchain.cmake chain-loads: kept inside the prefix, so the folder can move.
cat >"$prefijo/mingw-w64.cmake" <<'EOF'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
EOF

comunes=(-G Ninja -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DCMAKE_INSTALL_PREFIX="$prefijo" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF)
modulo() { # source folder, build folder, extra options...
    local fuentes=$1 obra_modulo=$2
    shift 2
    [ -f "$obra_modulo.hecho" ] && [ "$modo" != configurar ] && return
    paso "Configuring $(basename "$fuentes")"
    rm -rf "$obra_modulo"
    cmake -S "$fuentes" -B "$obra_modulo" "${comunes[@]}" "$@" >"$obra_modulo.log" 2>&1 ||
        { tail -n 30 "$obra_modulo.log" >&2; fallo "configuring $(basename "$fuentes") failed (log: $obra_modulo.log)"; }
    [ "$modo" = configurar ] && return
    paso "Building $(basename "$fuentes") ($trabajos jobs)"
    nice cmake --build "$obra_modulo" -j "$trabajos" >>"$obra_modulo.log" 2>&1 ||
        { tail -n 30 "$obra_modulo.log" >&2; fallo "building $(basename "$fuentes") failed (log: $obra_modulo.log)"; }
    cmake --install "$obra_modulo" >>"$obra_modulo.log" 2>&1
    touch "$obra_modulo.hecho"
}

inicio=$SECONDS
# Left out, as Dexo uses none of it: SQL, D-Bus, OpenGL, Vulkan, printing, concurrent, XML, ICU
# and tablet input (its header is not in Debian's source).
modulo "$base" "$obra/base" -DCMAKE_TOOLCHAIN_FILE="$prefijo/mingw-w64.cmake" -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
    -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF \
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_openssl=OFF -DFEATURE_xml=OFF \
    -DFEATURE_testlib=ON -DFEATURE_system_zlib=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF \
    -DFEATURE_tabletevent=OFF
if [ "$modo" = configurar ]; then
    echo "qt-windows: the sources are in $obra and qtbase configures (log: $obra/base.log); nothing was built"
    exit 0
fi
cadena=(-DCMAKE_TOOLCHAIN_FILE="$prefijo/lib/cmake/Qt6/qt.toolchain.cmake")
modulo "$svg" "$obra/svg" "${cadena[@]}"
modulo "$shader" "$obra/shadertools" "${cadena[@]}"
# MinGW's import libraries are lower case; without them the Windows audio output is left out.
wmf=()
for biblioteca in Mf Mfuuid Mfplat Mfcore Propsys; do
    wmf+=(-DWMF_${biblioteca^^}_LIBRARY=/usr/x86_64-w64-mingw32/lib/lib${biblioteca,,}.a)
done
modulo "$multimedia" "$obra/multimedia" "${cadena[@]}" "${wmf[@]}" -DFEATURE_spatialaudio=OFF \
    -DCMAKE_CXX_FLAGS="-I$mayusculas"

paso "Stripping the DLLs"
find "$prefijo" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
touch "$prefijo/$marca"
rm -rf "$destino"
mv "$nuevo" "$destino"
rm -rf "$obra"
paso "Qt for Windows built in $(((SECONDS - inicio) / 60)) minutes"
echo "$destino"
