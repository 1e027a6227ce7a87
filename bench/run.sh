#!/usr/bin/env bash
# Benchmarks of the 64-bit program under Wine, in a prefix of its own made anew:
# - processor time of the program and of the wineserver while the script runs
#   10 s, and message round trips during that wait;
# - time from process start to the verdict, the program against the anchor (a
#   bare window with the program's manifest running the same enumeration), in
#   alternating starts, with the services of a new prefix and with 3000 more;
# - where that time goes: builds of both with marks of their start-up phases.
# Prints figures; asserts nothing.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh
scripts/build.sh win64 >/dev/null
source scripts/wine-env.sh
prefix=$root/build/wineprefix-bench
export WINEPREFIX=$prefix
wine_stop
rm -rf "$prefix"
trap 'wine_stop; wine_display_stop' EXIT
wine_session_start "$prefix"

tools=$root/build/win64/tools
starts=${BENCH_STARTS:-15}
source tests/wine/lib/texts.sh
uia() { wine_run "$tools/uia.exe" "$@" | tr -d '\r'; }
folder=$WINEPREFIX/drive_c/bench
mkdir -p "$folder"
cp build/win64/mariadb-installer.exe "$tools/bench-anchor.exe" "$tools/mariadb-installer-phases.exe" \
    "$tools/bench-anchor-phases.exe" "$folder/"
# Keeps the Wine session, services.exe among it, alive between the starts.
wine_run "$tools/uia.exe" hold 3600000 >/dev/null 2>&1 &

hz=$(getconf CLK_TCK)
cpu_ms() { awk -v hz="$hz" '{ print int(($14 + $15) * 1000 / hz) }' "/proc/$1/stat"; }
# The Wine process of this prefix whose command line matches PATTERN.
wine_pid() {
    local proc
    for proc in /proc/[0-9]*; do
        case $(readlink "$proc/exe" 2>/dev/null) in /usr/lib/wine/wine*) ;; *) continue ;; esac
        tr '\0' '\n' <"$proc/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" || continue
        tr '\0' ' ' <"$proc/cmdline" 2>/dev/null | grep -q -- "$1" && { echo "${proc#/proc/}"; return; }
    done
}

wait_run() {
    # A script that runs for about 16 s and installs nothing.
    printf '@echo off\r\nping -n 17 127.0.0.1 >nul\r\n' >"$folder/silent-install2.bat"
    wine_run 'C:\bench\mariadb-installer.exe' &
    local app=$!
    uia wait-window 20000 >/dev/null
    uia wait-visible 103 1 20000 >/dev/null
    local pid server p0 s0 p1 s1
    pid=$(wine_pid 'mariadb-installer\.exe')
    server=$(wine_pid wineserver)
    p0=$(cpu_ms "$pid") s0=$(cpu_ms "$server")
    sleep 10
    p1=$(cpu_ms "$pid") s1=$(cpu_ms "$server")
    printf '  processor time over 10 s: program %d ms, wineserver %d ms (resolution %d ms)\n' \
        $((p1 - p0)) $((s1 - s0)) $((1000 / hz))
    uia ping 300 | awk -F= '/^(median_us|max_us)=/ { printf "  message round trip %s: %s us\n", $1 == "max_us" ? "slowest" : "median", $2 }'
    uia msgbox 30000 >/dev/null
    uia wait-gone 10000 >/dev/null
    wait "$app" || true  # the script installs nothing: 1603
}

# start_ms EXE CLASS [MARKS]: milliseconds from asking Wine to start EXE until
# its verdict stands in control 105, as seen by the automation tool, started and
# waiting beforehand so that its own start is not counted; the program's phase
# marks (standard error) go to MARKS.
start_ms() {
    local out=$root/build/bench-await.out t0 seen watcher app
    : >"$out"
    UIA_WINDOW_CLASS=$2 wine_run "$tools/uia.exe" await-text 105 "$MARIADB_STOPPED" 120000 \
        >"$out" 2>/dev/null &
    watcher=$!
    until grep -q '^ready=1' "$out"; do sleep 0.01; done
    t0=$(date +%s%N)
    echo "start $((t0 / 1000))" >"${3:-/dev/null}"
    wine_run "C:\\bench\\$1" 2>>"${3:-/dev/null}" &
    app=$!
    wait "$watcher"
    seen=$(tr -d '\r' <"$out" | sed -n 's/^seen_us=//p')
    echo $(((seen - t0 / 1000) / 1000))
    UIA_WINDOW_CLASS=$2 uia close >/dev/null
    UIA_WINDOW_CLASS=$2 uia wait-gone 10000 >/dev/null
    wait "$app" || true  # closed by the user: 1602
}

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

start_to_verdict() {
    local label=$1 run program=() anchor=()
    for run in $(seq "$starts"); do
        program+=("$(start_ms mariadb-installer.exe MariaDBInstallerWindow)")
        anchor+=("$(start_ms bench-anchor.exe InstallerBenchAnchor)")
    done
    local pm am
    pm=$(median "${program[@]}") am=$(median "${anchor[@]}")
    printf '  %-28s program %5d ms   anchor %5d ms   ratio %s   (program: %s; anchor: %s)\n' \
        "$label" "$pm" "$am" "$(awk -v p="$pm" -v a="$am" 'BEGIN { printf "%.2f", p / a }')" \
        "${program[*]}" "${anchor[*]}"
}


# The marks of one start as "phase<TAB>ms since the start was asked for" lines.
marks_ms() {
    awk '$1 == "start" { t0 = $2 } $1 == "phase" { t = $NF; $1 = ""; $NF = ""; gsub(/^ +| +$/, "");
        printf "%s\t%.1f\n", $0, (t - t0) / 1000 }' "$1"
}

# Median of each phase over the starts, program against anchor.
phases() {
    local run marks=$root/build/bench-marks.txt all_p=$root/build/bench-phases-program.txt
    local all_a=$root/build/bench-phases-anchor.txt
    : >"$all_p"
    : >"$all_a"
    for run in $(seq "$starts"); do
        start_ms mariadb-installer-phases.exe MariaDBInstallerWindow "$marks" >/dev/null
        marks_ms "$marks" >>"$all_p"
        start_ms bench-anchor-phases.exe InstallerBenchAnchor "$marks" >/dev/null
        marks_ms "$marks" >>"$all_a"
    done
    printf '  %-20s %9s %9s\n' phase program anchor
    local phase
    for phase in entered "window created" "controls and fonts" shown decision verdict; do
        printf '  %-20s %6s ms %6s ms\n' "$phase" \
            "$(median $(awk -F'\t' -v p="$phase" '$1 == p { print $2 }' "$all_p"))" \
            "$(median $(awk -F'\t' -v p="$phase" '$1 == p { print $2 }' "$all_a"))"
    done
}

echo "== while the installation script runs"
wait_run
echo "== start to verdict, median of $starts alternating starts each"
wine_run sc create MariaDB binPath= 'C:\nothing.exe' >/dev/null
start_to_verdict "services of a new prefix:"
echo "== phases of the start (ms after the start was asked for), median of $starts starts each"
phases
wine_run "$tools/register-services.exe" create Bench 3000 | tr -d '\r'
start_to_verdict "with 3000 extra services:"
