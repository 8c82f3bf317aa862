#!/usr/bin/env bash
# Dexo's one entry point on Debian 12.
#   ./build.sh run    install what is missing, build the program folder (build/bin) and start Dexo
#   ./build.sh test   install what is missing, build with warnings as errors, ASan and UBSan, run every test;
#                     with Qt for Windows at hand, also build for Windows and run those tests under Wine
#   ./build.sh windows  install what is missing, build for Windows and pack build-windows/Dexo-<version>-win64.zip
# All are idempotent: a second run installs nothing and rebuilds only what changed.
set -euo pipefail
cd "$(dirname "$0")"

paso() { printf '\n\033[1;34m==> %s\033[0m\n' "$*"; }

paquetes_comunes=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev qt6-multimedia-dev qt6-qpa-plugins libxcb1-dev
    fonts-dejavu-core qt6-l10n-tools qt6-translations-l10n)
# The Windows build: MinGW-w64, Wine and an X server for its tests (bsdutils' script gives Wine a
# console); Debian's Qt above supplies the host tools, the translations and the licence texts.
paquetes_windows=(g++-mingw-w64-x86-64-posix wine wine64 xvfb bsdutils)
# Only to build Qt for Windows from Debian's sources, when no ready one is at hand.
paquetes_qt_windows=(dpkg-dev qt6-base-dev-tools qt6-shader-baker qt6-shadertools-dev)

instalar_faltantes() {
    local faltan=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltan+=("$p")
    done
    if [ ${#faltan[@]} -eq 0 ]; then
        echo "All needed Debian packages are installed."
        return
    fi
    echo "Installing: ${faltan[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${faltan[@]}"
}

ejecutar() {
    paso "Checking Debian packages"
    instalar_faltantes "${paquetes_comunes[@]}" gstreamer1.0-plugins-base
    paso "Configuring (release preset)"
    cmake --preset release >/dev/null
    paso "Building build/bin"
    cmake --build --preset release
    paso "Starting build/bin/Dexo"
    exec ./build/bin/Dexo
}

# pruebas <preset>: runs the preset's tests, shown as they go, and prints how many there were. It
# fails as ctest does: a command substitution does not stop at an error by itself, so the status
# is handed back explicitly.
pruebas() {
    local resumen estado=0
    resumen=$(mktemp)
    ctest --preset "$1" -j "$(nproc)" | tee "$resumen" >&2 || estado=$?
    sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' "$resumen" | tail -n 1
    rm -f "$resumen"
    return "$estado"
}

probar() {
    paso "Checking Debian packages"
    # weston, xwayland and qt6-wayland: the test of Dexo inside a real Wayland session;
    # dpkg-dev (dpkg-shlibdeps), lintian and file: the test of the Debian package;
    # xvfb, xdotool, openbox, x11-utils and imagemagick: the gestures test on a real X server.
    instalar_faltantes "${paquetes_comunes[@]}" "${paquetes_windows[@]}" desktop-file-utils clang-format \
        weston xwayland qt6-wayland dpkg-dev lintian file xvfb xdotool openbox x11-utils imagemagick
    paso "Checking the formatting of src and tests (.clang-format)"
    find src tests \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format --dry-run --Werror
    echo "Formatted as .clang-format says."
    paso "Configuring (dev preset: Debug, -Werror, AddressSanitizer, UndefinedBehaviorSanitizer)"
    cmake --preset dev >/dev/null
    paso "Building"
    cmake --build --preset dev
    paso "Running the tests"
    local total
    total=$(pruebas dev)
    local total_windows=0
    if tools/qt-windows.sh --if-quick >/dev/null; then
        paso "Building for Windows (MinGW-w64, windows preset)"
        cmake --preset windows >/dev/null
        cmake --build --preset windows
        paso "Running the Windows tests under Wine"
        total_windows=$(pruebas windows)
    else
        paso "No Qt for Windows at hand: the Windows build and its tests under Wine are SKIPPED"
        echo "tools/qt-windows.sh finds no Qt for Windows in $(tools/qt-windows.sh --where || true)"
        echo "and no ready archive beside the repository; './build.sh windows' makes it (about an hour)."
        paso "Checking that the Windows sources compile (MinGW, syntax only)"
        tools/comprobar_windows.sh
    fi
    if command -v clang++ >/dev/null 2>&1 && [ -n "$(ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a 2>/dev/null)" ]; then
        paso "Fuzzing the profile layer for 30 seconds"
        cmake --preset fuzz >/dev/null
        cmake --build --preset fuzz
        mkdir -p build-fuzz/corpus
        ./build-fuzz/bin/fuzz_perfil -max_total_time=30 -max_len=4096 -print_final_stats=1 \
            build-fuzz/corpus tests/fuzz/semillas 2>&1 | tail -n 15
    else
        paso "clang with libFuzzer not found: fuzzing skipped"
    fi
    paso "All tests passed"
    echo "${total:-0} passed, 0 failed (Linux); ${total_windows:-0} passed, 0 failed (Windows, under Wine)"
}

windows() {
    paso "Checking Debian packages"
    instalar_faltantes "${paquetes_comunes[@]}" "${paquetes_windows[@]}"
    paso "Qt 6.4.2 for Windows"
    if ! tools/qt-windows.sh --if-quick; then
        echo "No Qt for Windows at hand: building it from Debian's sources into $(tools/qt-windows.sh --where || true)."
        echo "This happens once and takes about an hour and a quarter on two cores."
        instalar_faltantes "${paquetes_qt_windows[@]}"
        local inicio=$SECONDS
        tools/qt-windows.sh
        echo "Qt for Windows took $(((SECONDS - inicio) / 60)) minutes."
    fi
    paso "Configuring (windows preset)"
    cmake --preset windows >/dev/null
    paso "Building for Windows"
    cmake --build --preset windows
    paso "Packing the zip"
    (cd build-windows && LC_ALL=C.UTF-8 cpack >/dev/null)
    local zip
    zip=$(ls -t build-windows/Dexo-*-win64.zip | head -n 1)
    echo "$zip ($(du -h "$zip" | cut -f1)): unzip it anywhere on Windows and start Dexo.exe."
}

case "${1:-}" in
    run) ejecutar ;;
    test) probar ;;
    windows) windows ;;
    *) echo "usage: $0 run|test|windows" >&2; exit 2 ;;
esac
