#!/usr/bin/env bash
# Dexo's one entry point on Debian 12.
#   ./build.sh run    install what is missing, build the program folder (build/bin) and start Dexo
#   ./build.sh test   install what is missing, build with warnings as errors, ASan and UBSan, run every test
# Both are idempotent: a second run installs nothing and rebuilds only what changed.
set -euo pipefail
cd "$(dirname "$0")"

paso() { printf '\n\033[1;34m==> %s\033[0m\n' "$*"; }

paquetes_comunes=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev qt6-multimedia-dev qt6-qpa-plugins libxcb1-dev
    fonts-dejavu-core qt6-l10n-tools qt6-translations-l10n)

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

probar() {
    paso "Checking Debian packages"
    # weston, xwayland and qt6-wayland: the test of Dexo inside a real Wayland session;
    # dpkg-dev (dpkg-shlibdeps), lintian and file: the test of the Debian package;
    # xvfb, xdotool, openbox, x11-utils and imagemagick: the gestures test on a real X server.
    instalar_faltantes "${paquetes_comunes[@]}" desktop-file-utils g++-mingw-w64-x86-64-posix clang-format \
        weston xwayland qt6-wayland dpkg-dev lintian file xvfb xdotool openbox x11-utils imagemagick
    paso "Checking the formatting of src and tests (.clang-format)"
    find src tests \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format --dry-run --Werror
    echo "Formatted as .clang-format says."
    paso "Configuring (dev preset: Debug, -Werror, AddressSanitizer, UndefinedBehaviorSanitizer)"
    cmake --preset dev >/dev/null
    paso "Building"
    cmake --build --preset dev
    paso "Running the tests"
    local resumen
    resumen=$(mktemp)
    ctest --preset dev -j "$(nproc)" | tee "$resumen"
    local total
    total=$(sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' "$resumen" | tail -n 1)
    rm -f "$resumen"
    paso "Checking that the Windows sources compile (MinGW, syntax only)"
    tools/comprobar_windows.sh
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
    echo "${total:-0} passed, 0 failed"
}

case "${1:-}" in
    run) ejecutar ;;
    test) probar ;;
    *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac
