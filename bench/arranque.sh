#!/usr/bin/env bash
# Start-up and idle cost of Dexo, side by side with bench_referencia (one label, one timer), both
# under the same Xvfb server in one run.
#
#   bench/arranque.sh [--idle SECONDS] [--runs N] [--settle SECONDS] [--bin DIR] [--referencia PROGRAM]
#
# Measured for each program:
#   start    time from the fork to the first mapped (viewable) window of the program; for Dexo
#            its main window (title "Dexo"), whatever else it shows first. Median of --runs starts,
#            the two programs taking turns. Dexo runs from a fresh copy of the program folder
#            each time, without Dexo.INI or Acerca.ini, so every start is a first start.
#   memory   VmRSS (and its anonymous and file-backed parts) --settle seconds after the window showed;
#            median over the same starts.
#   idle     both programs running at once, shown and settled, for --idle seconds: CPU time
#            (utime+stime in clock ticks, and the scheduler's nanosecond count from schedstat) and
#            voluntary context switches (one per sleep that ended, so about one per wakeup), summed
#            over every thread, with a per-thread breakdown.
#
# Needs Xvfb, xdotool and xdpyinfo (Debian: xvfb xdotool x11-utils); installs nothing itself.
# Tables are filled through namerefs and printf -v, which shellcheck cannot follow.
# shellcheck disable=SC2034,SC2154
set -euo pipefail

raiz=$(cd "$(dirname "$0")/.." && pwd)
bin=$raiz/build/bin
referencia=$raiz/build/bench/bench_referencia
idle=60
runs=10
settle=2

uso() { sed -n '2,19p' "$0" | sed 's/^# \{0,1\}//'; }

while [ $# -gt 0 ]; do
    case "$1" in
        --idle) idle=$2; shift 2 ;;
        --runs) runs=$2; shift 2 ;;
        --settle) settle=$2; shift 2 ;;
        --bin) bin=$(cd "$2" && pwd); shift 2 ;;
        --referencia) referencia=$2; shift 2 ;;
        -h|--help) uso; exit 0 ;;
        *) echo "arranque.sh: unknown argument '$1' (see --help)" >&2; exit 2 ;;
    esac
done
for n in "$idle" "$runs" "$settle"; do
    [[ $n =~ ^[0-9]+$ ]] && [ "$n" -ge 1 ] || { echo "arranque.sh: --idle, --runs and --settle take whole numbers >= 1" >&2; exit 2; }
done

# --- what the run needs -------------------------------------------------------------------------
faltan=()
for herramienta in Xvfb:xvfb xdotool:xdotool xdpyinfo:x11-utils; do
    command -v "${herramienta%%:*}" >/dev/null 2>&1 || faltan+=("${herramienta#*:}")
done
if [ ${#faltan[@]} -gt 0 ]; then
    echo "arranque.sh: missing tools. The start is timed on an Xvfb server and windows are found with" >&2
    echo "xdotool and xdpyinfo. Install them (Debian) and run again:" >&2
    echo "    apt-get install -y ${faltan[*]}" >&2
    exit 2
fi
if [ ! -x "$bin/Dexo" ]; then
    echo "arranque.sh: no Dexo in $bin. Build the program folder first:" >&2
    echo "    cmake --preset release && cmake --build --preset release" >&2
    exit 2
fi
if [ ! -x "$referencia" ]; then
    echo "arranque.sh: no reference program at $referencia; it is built with the release preset" >&2
    echo "(target bench_referencia), or name it with --referencia." >&2
    exit 2
fi

# --- scratch space, X server, clean-up ----------------------------------------------------------
trabajo=$(mktemp -d "${TMPDIR:-/tmp}/dexo-arranque.XXXXXX")
pid_x=""
vivos=()
limpiar() {
    local p
    for p in "${vivos[@]}"; do
        kill -KILL "$p" 2>/dev/null || true
    done
    if [ -n "$pid_x" ]; then
        kill -TERM "$pid_x" 2>/dev/null || true
        wait "$pid_x" 2>/dev/null || true
    fi
    if [ -n "${runtime:-}" ]; then rm -rf "$runtime"; fi
    rm -rf "$trabajo"
}
trap limpiar EXIT
trap 'exit 130' INT TERM

# A sleep without a fork: read from a pipe that nobody writes, with a time-out.
mkfifo "$trabajo/nada"
exec {dormir}<>"$trabajo/nada"
pausa() { read -r -t "$1" -u "$dormir" _ || true; }

pantalla=""
for n in $(seq 90 199); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
        pantalla=":$n"
        break
    fi
done
[ -n "$pantalla" ] || { echo "arranque.sh: no free X display number in :90..:199" >&2; exit 1; }
Xvfb "$pantalla" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$trabajo/xvfb.log" 2>&1 &
pid_x=$!
for _ in $(seq 100); do
    xdpyinfo -display "$pantalla" >/dev/null 2>&1 && break
    kill -0 "$pid_x" 2>/dev/null || { echo "arranque.sh: Xvfb did not start:" >&2; cat "$trabajo/xvfb.log" >&2; exit 1; }
    pausa 0.05
done
xdpyinfo -display "$pantalla" >/dev/null 2>&1 || { echo "arranque.sh: Xvfb did not answer" >&2; exit 1; }

# Both programs get the same environment: this X server, and their own runtime and config
# folders, so the single-instance lock and the autostart entry stay inside the scratch space.
# The runtime folder is on tmpfs where there is one, as /run/user/UID is on a desktop: the lock
# file is flushed to disk when it is taken, which costs nothing there.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    runtime=$(mktemp -d /dev/shm/dexo-arranque-runtime.XXXXXX)
else
    runtime=$trabajo/runtime
    mkdir "$runtime"
fi
chmod 700 "$runtime"
mkdir -p "$trabajo/config"
export DISPLAY=$pantalla QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$runtime XDG_CONFIG_HOME=$trabajo/config
unset WAYLAND_DISPLAY SESSION_MANAGER

# The program folder as a user unzips it: no settings yet, the about window at its default.
cp -a "$bin" "$trabajo/plantilla"
rm -f "$trabajo/plantilla/Dexo.INI" "$trabajo/plantilla/Acerca.ini"

# --- one start ------------------------------------------------------------------------------------
# lanzar dexo|ref: starts the program; sets PID, T0 (fork time, s)
lanzar() {
    if [ "$1" = dexo ]; then
        rm -rf "$trabajo/dexo"
        cp -a "$trabajo/plantilla" "$trabajo/dexo"
        T0=$EPOCHREALTIME
        "$trabajo/dexo/Dexo" >>"$trabajo/dexo.log" 2>&1 &
    else
        T0=$EPOCHREALTIME
        "$referencia" >>"$trabajo/ref.log" 2>&1 &
    fi
    PID=$!
    vivos+=("$PID")
}

# CPU time of every thread of PID so far, in ns, from the scheduler.
cpu_ns() {
    local t total=0 ns
    for t in /proc/"$1"/task/*; do
        ns=$(cut -d' ' -f1 "$t/schedstat" 2>/dev/null) || continue
        total=$((total + ns))
    done
    echo "$total"
}

# esperar_ventana PID TITLE: waits for a viewable window of PID with that title. Sets T_PRIMERA
# (first viewable window of any title), T_VENTANA (the one wanted), CPU_VENTANA (CPU ns used by
# then) and PRIMERA (title of the first).
esperar_ventana() {
    local pid=$1 titulo=$2 limite ids id nombre
    local -A vistas=()
    T_PRIMERA="" T_VENTANA="" PRIMERA=""
    limite=$(( ${EPOCHREALTIME/./} + 30000000 ))
    while :; do
        ids=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null || true)
        if [ -n "$ids" ]; then
            local ahora=$EPOCHREALTIME
            for id in $ids; do
                [ -n "${vistas[$id]:-}" ] && continue
                nombre=$(xdotool getwindowname "$id" 2>/dev/null || true)
                vistas[$id]=1
                if [ -z "$T_PRIMERA" ]; then T_PRIMERA=$ahora; PRIMERA=$nombre; fi
                if [ "$nombre" = "$titulo" ]; then
                    T_VENTANA=$ahora
                    CPU_VENTANA=$(cpu_ns "$pid")
                    return 0
                fi
            done
        fi
        kill -0 "$pid" 2>/dev/null || { echo "arranque.sh: the program ended before it showed '$titulo'" >&2; return 1; }
        [ "${EPOCHREALTIME/./}" -lt "$limite" ] || { echo "arranque.sh: no window '$titulo' after 30 s" >&2; return 1; }
        pausa 0.002
    done
}

terminar() {
    local pid=$1 p resto=()
    kill -TERM "$pid" 2>/dev/null || true
    for _ in $(seq 60); do
        kill -0 "$pid" 2>/dev/null || break
        pausa 0.05
    done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    for p in "${vivos[@]}"; do [ "$p" = "$pid" ] || resto+=("$p"); done
    vivos=("${resto[@]}")
}

ms() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", (b - a) * 1000 }'; }
kib() { awk '$1 == "'"$2"':" { print $2 }' "/proc/$1/status"; }
mediana() { sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

declare -A t_ventana t_primera cpu_ventana primera rss anon archivo bibliotecas
medir_arranque() {
    local quien=$1 titulo=$2 i=$3
    lanzar "$quien"
    esperar_ventana "$PID" "$titulo" || { terminar "$PID"; exit 1; }
    t_ventana[$quien,$i]=$(ms "$T0" "$T_VENTANA")
    t_primera[$quien,$i]=$(ms "$T0" "$T_PRIMERA")
    cpu_ventana[$quien,$i]=$(awk -v n="$CPU_VENTANA" 'BEGIN { printf "%.1f", n / 1e6 }')
    primera[$quien]=$PRIMERA
    sleep "$settle"
    rss[$quien,$i]=$(kib "$PID" VmRSS)
    anon[$quien,$i]=$(kib "$PID" RssAnon)
    archivo[$quien,$i]=$(kib "$PID" RssFile)
    bibliotecas[$quien,$i]=$(awk '$6 ~ /\.so/ { print $6 }' "/proc/$PID/maps" | sort -u | wc -l)
    terminar "$PID"
}

echo "Dexo start-up and idle benchmark"
echo "  Dexo:       $bin/Dexo (a fresh copy per start, no Dexo.INI, no Acerca.ini)"
echo "  reference:  $referencia"
echo "  X server:   Xvfb $pantalla 1280x1024x24, no window manager; QT_QPA_PLATFORM=xcb"
echo "  D-Bus session bus: ${DBUS_SESSION_BUS_ADDRESS:-none}"
echo "  machine:    $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg) at the start"
echo "  runs: $runs starts each (+1 warm-up each, not counted), settle ${settle} s, idle ${idle} s"
echo

# Warm-up: the first start after a build pays for cold page and font caches.
medir_arranque dexo Dexo 0
medir_arranque ref bench_referencia 0
for i in $(seq 1 "$runs"); do
    if [ $((i % 2)) -eq 1 ]; then
        medir_arranque dexo Dexo "$i"
        medir_arranque ref bench_referencia "$i"
    else
        medir_arranque ref bench_referencia "$i"
        medir_arranque dexo Dexo "$i"
    fi
    printf '  start %2d: Dexo %7s ms, %6s ms CPU (first window %7s ms, "%s")   reference %7s ms, %6s ms CPU\n' "$i" \
        "${t_ventana[dexo,$i]}" "${cpu_ventana[dexo,$i]}" "${t_primera[dexo,$i]}" "${primera[dexo]}" \
        "${t_ventana[ref,$i]}" "${cpu_ventana[ref,$i]}"
done

valores() { local -n tabla=$1; local quien=$2 i; for i in $(seq 1 "$runs"); do echo "${tabla[$quien,$i]}"; done; }
declare -A med
for q in dexo ref; do
    med[ventana,$q]=$(valores t_ventana "$q" | mediana)
    med[primera,$q]=$(valores t_primera "$q" | mediana)
    med[cpu,$q]=$(valores cpu_ventana "$q" | mediana)
    med[bib,$q]=$(valores bibliotecas "$q" | mediana)
    med[rss,$q]=$(valores rss "$q" | mediana)
    med[anon,$q]=$(valores anon "$q" | mediana)
    med[archivo,$q]=$(valores archivo "$q" | mediana)
    med[min,$q]=$(valores t_ventana "$q" | sort -g | head -1)
    med[max,$q]=$(valores t_ventana "$q" | sort -g | tail -1)
done

# --- idle, both at once ---------------------------------------------------------------------------
# instantanea PID PREFIX: CPU ticks into PREFIX_ticks, and per thread "comm|voluntary|involuntary|ns"
# into the array PREFIX_hilos.
instantanea() {
    local pid=$1 pre=$2 s f t comm vol inv ns
    s=$(<"/proc/$pid/stat")
    s=${s##*) }
    read -r -a f <<<"$s"
    printf -v "${pre}_ticks" '%s' $((f[11] + f[12]))
    local -n hilos=${pre}_hilos
    hilos=()
    for t in /proc/"$pid"/task/*; do
        [ -r "$t/status" ] || continue
        comm=$(<"$t/comm")
        vol=$(awk '$1 == "voluntary_ctxt_switches:" { print $2 }' "$t/status" 2>/dev/null) || continue
        inv=$(awk '$1 == "nonvoluntary_ctxt_switches:" { print $2 }' "$t/status" 2>/dev/null) || continue
        ns=$(cut -d' ' -f1 "$t/schedstat" 2>/dev/null) || ns=0
        hilos[${t##*/}]="$comm|$vol|$inv|$ns"
    done
}

echo
echo "  idle: both programs shown side by side for ${idle} s ..."
lanzar dexo
pid_dexo=$PID
esperar_ventana "$pid_dexo" Dexo || exit 1
lanzar ref
pid_ref=$PID
esperar_ventana "$pid_ref" bench_referencia || exit 1
sleep "$settle"
declare -A dexo_a_hilos ref_a_hilos dexo_b_hilos ref_b_hilos
instantanea "$pid_dexo" dexo_a
instantanea "$pid_ref" ref_a
sleep "$idle"
instantanea "$pid_dexo" dexo_b
instantanea "$pid_ref" ref_b
hilos_dexo=${#dexo_b_hilos[@]}
hilos_ref=${#ref_b_hilos[@]}
rss_idle_dexo=$(kib "$pid_dexo" VmRSS)
rss_idle_ref=$(kib "$pid_ref" VmRSS)

# delta A B FIELD: the growth of a per-thread field (1 voluntary, 3 ns) summed over the threads
# alive at the end; a thread born in the period counts from zero. A thread that ended in the period
# takes its count with it, so it is reported apart.
delta() {
    local -n a=$1 b=$2
    local tid total=0 campos viejos antes
    for tid in "${!b[@]}"; do
        IFS='|' read -r -a campos <<<"${b[$tid]}"
        antes=0
        if [ -n "${a[$tid]:-}" ]; then IFS='|' read -r -a viejos <<<"${a[$tid]}"; antes=${viejos[$3]}; fi
        total=$((total + campos[$3] - antes))
    done
    echo "$total"
}
terminados() {
    local -n a=$1 b=$2
    local tid n=0
    for tid in "${!a[@]}"; do [ -n "${b[$tid]:-}" ] || n=$((n + 1)); done
    echo "$n"
}

desglose() {
    local -n a=$1 b=$2
    local tid comm va ia na vb ib nb
    for tid in "${!b[@]}"; do
        IFS='|' read -r comm vb ib nb <<<"${b[$tid]}"
        if [ -n "${a[$tid]:-}" ]; then IFS='|' read -r _ va ia na <<<"${a[$tid]}"; else va=0 ia=0 na=0; fi
        printf '      %6d voluntary (%5.2f/s)  %4d involuntary  %8.2f ms CPU   %s (tid %s)\n' \
            $((vb - va)) "$(awk -v d=$((vb - va)) -v s="$idle" 'BEGIN { print d / s }')" $((ib - ia)) \
            "$(awk -v d=$((nb - na)) 'BEGIN { print d / 1e6 }')" "$comm" "$tid"
    done | sort -k1,1nr
    for tid in "${!a[@]}"; do
        [ -n "${b[$tid]:-}" ] && continue
        IFS='|' read -r comm _ _ _ <<<"${a[$tid]}"
        printf '      (ended during the period)                                       %s (tid %s)\n' "$comm" "$tid"
    done
}
echo "    Dexo threads ($hilos_dexo):"
desglose dexo_a_hilos dexo_b_hilos
echo "    reference threads ($hilos_ref):"
desglose ref_a_hilos ref_b_hilos
terminar "$pid_dexo"
terminar "$pid_ref"

# --- the table ------------------------------------------------------------------------------------
tck=$(getconf CLK_TCK)
razon() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2fx", a / b; else print "-" }'; }
veredicto() { awk -v a="$1" -v b="$2" -v l="$3" 'BEGIN { if (b > 0 && a / b <= l) print "met"; else print "MISSED" }'; }
cpu_ms_dexo=$(awk -v t=$((dexo_b_ticks - dexo_a_ticks)) -v h="$tck" 'BEGIN { printf "%.0f", t * 1000 / h }')
cpu_ms_ref=$(awk -v t=$((ref_b_ticks - ref_a_ticks)) -v h="$tck" 'BEGIN { printf "%.0f", t * 1000 / h }')
ns_dexo=$(awk -v d="$(delta dexo_a_hilos dexo_b_hilos 3)" 'BEGIN { printf "%.2f", d / 1e6 }')
ns_ref=$(awk -v d="$(delta ref_a_hilos ref_b_hilos 3)" 'BEGIN { printf "%.2f", d / 1e6 }')
desp_dexo=$(awk -v d="$(delta dexo_a_hilos dexo_b_hilos 1)" -v s="$idle" 'BEGIN { printf "%.2f", d / s }')
desp_ref=$(awk -v d="$(delta ref_a_hilos ref_b_hilos 1)" -v s="$idle" 'BEGIN { printf "%.2f", d / s }')
mib() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }
pct() { awk -v a="$1" -v s="$idle" 'BEGIN { printf "%.3f%%", a / (s * 10) }'; }

# A wakeup a second and CPU within one clock tick of the reference count as met.
cpu_ok=$(awk -v d="$((dexo_b_ticks - dexo_a_ticks))" -v r="$((ref_b_ticks - ref_a_ticks))" 'BEGIN { print (d <= r + 1) ? "met" : "MISSED" }')
desp_ok=$(awk -v d="$desp_dexo" 'BEGIN { print (d <= 1.5) ? "met" : "MISSED" }')

echo
printf '%-36s %14s %14s %8s   %s\n' "" "Dexo" "reference" "ratio" "target"
printf '%-36s %14s %14s %8s   %s\n' "start to main window, median (ms)" "${med[ventana,dexo]}" "${med[ventana,ref]}" \
    "$(razon "${med[ventana,dexo]}" "${med[ventana,ref]}")" "<= 1.3x  $(veredicto "${med[ventana,dexo]}" "${med[ventana,ref]}" 1.3)"
printf '%-36s %14s %14s %8s\n' "  min .. max (ms)" "${med[min,dexo]}..${med[max,dexo]}" "${med[min,ref]}..${med[max,ref]}" ""
printf '%-36s %14s %14s %8s   %s\n' "start to first window, median (ms)" "${med[primera,dexo]}" "${med[primera,ref]}" \
    "$(razon "${med[primera,dexo]}" "${med[primera,ref]}")" "(Dexo's first: \"${primera[dexo]}\")"
printf '%-36s %14s %14s %8s\n' "CPU time until shown, median (ms)" "${med[cpu,dexo]}" "${med[cpu,ref]}" \
    "$(razon "${med[cpu,dexo]}" "${med[cpu,ref]}")"
printf '%-36s %14s %14s %8s\n' "shared libraries mapped" "${med[bib,dexo]}" "${med[bib,ref]}" \
    "$(razon "${med[bib,dexo]}" "${med[bib,ref]}")"
printf '%-36s %14s %14s %8s   %s\n' "VmRSS ${settle} s after showing (MiB)" "$(mib "${med[rss,dexo]}")" "$(mib "${med[rss,ref]}")" \
    "$(razon "${med[rss,dexo]}" "${med[rss,ref]}")" "<= 1.2x  $(veredicto "${med[rss,dexo]}" "${med[rss,ref]}" 1.2)"
printf '%-36s %14s %14s %8s\n' "  of it anonymous (MiB)" "$(mib "${med[anon,dexo]}")" "$(mib "${med[anon,ref]}")" \
    "$(razon "${med[anon,dexo]}" "${med[anon,ref]}")"
printf '%-36s %14s %14s %8s\n' "  of it file-backed (MiB)" "$(mib "${med[archivo,dexo]}")" "$(mib "${med[archivo,ref]}")" \
    "$(razon "${med[archivo,dexo]}" "${med[archivo,ref]}")"
printf '%-36s %14s %14s %8s\n' "VmRSS after the idle period (MiB)" "$(mib "$rss_idle_dexo")" "$(mib "$rss_idle_ref")" \
    "$(razon "$rss_idle_dexo" "$rss_idle_ref")"
printf '%-36s %14s %14s %8s   %s\n' "idle CPU, utime+stime (ms / ${idle} s)" "$cpu_ms_dexo" "$cpu_ms_ref" "" \
    "none measurable  $cpu_ok"
printf '%-36s %14s %14s %8s   %s\n' "idle CPU, scheduler (ms / ${idle} s)" "$ns_dexo" "$ns_ref" "$(razon "$ns_dexo" "$ns_ref")" \
    "($(pct "$ns_dexo") vs $(pct "$ns_ref") of one core)"
printf '%-36s %14s %14s %8s   %s\n' "idle wakeups (voluntary switches/s)" "$desp_dexo" "$desp_ref" \
    "$(razon "$desp_dexo" "$desp_ref")" "about 1/s  $desp_ok"
printf '%-36s %14s %14s   %s\n' "threads at the end of the idle period" "$hilos_dexo" "$hilos_ref" \
    "($(terminados dexo_a_hilos dexo_b_hilos) and $(terminados ref_a_hilos ref_b_hilos) ended during it)"
echo
echo "  load average at the end: $(cut -d' ' -f1-3 /proc/loadavg) (a busy machine stretches the start times)"
