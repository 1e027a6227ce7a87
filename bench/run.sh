#!/usr/bin/env bash
# Benchmarks of the 64-bit program under Wine, in a prefix of their own:
# processor time and message round trips while the installation script runs,
# and the time from process start to the verdict with many services registered.
# Prints figures; asserts nothing.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
[ -f build/win64/mariadb-installer.exe ] || scripts/build.sh win64
source scripts/wine-env.sh
export WINEPREFIX=$root/build/wineprefix-bench
wine_prefix_ensure
wine_display_ensure
trap 'wine_stop; wine_display_stop' EXIT

tools=$root/build/win64/tools
uia() { wine_run "$tools/uia.exe" "$@" | tr -d '\r'; }
folder=$WINEPREFIX/drive_c/bench
mkdir -p "$folder"
cp build/win64/mariadb-installer.exe "$folder/"
program='C:\bench\mariadb-installer.exe'
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
    wine_run "$program" &
    uia wait-window 20000 >/dev/null
    uia wait-visible 103 1 20000 >/dev/null
    local pid server
    pid=$(wine_pid 'mariadb-installer\.exe')
    server=$(wine_pid wineserver)
    local p0 s0 p1 s1
    p0=$(cpu_ms "$pid"); s0=$(cpu_ms "$server")
    sleep 10
    p1=$(cpu_ms "$pid"); s1=$(cpu_ms "$server")
    echo "while the script runs, 10 s: program $((p1 - p0)) ms processor time (pid $pid)," \
         "wineserver $((s1 - s0)) ms"
    uia ping 300 | sed -n "s/^\\(max_us\\|median_us\\|count\\)=/  message round trip \\1=/p"
    uia msgbox 30000 >/dev/null
    uia wait-gone 10000 >/dev/null
}

start_to_verdict() {
    local count=$1 run t0 t1 times=()
    wine_run "$tools/register-services.exe" create Bench "$count" | tr -d '\r'
    for run in 1 2 3; do
        t0=$(date +%s%N)
        wine_run "$program" &
        uia wait-window 20000 >/dev/null
        uia wait-text 105 "MariaDB ist auf dem Computer installiert aber nicht aktiv. Die Datenbankinstallation kann hier abgebrochen werden, wenn Sie den vorhandenen Dienst aktivieren" 120000 >/dev/null
        t1=$(date +%s%N)
        times+=($(((t1 - t0) / 1000000)))
        uia click 102 >/dev/null
        uia wait-gone 10000 >/dev/null
    done
    local sorted
    sorted=$(printf '%s\n' "${times[@]}" | sort -n | tr '\n' ' ')
    echo "start to verdict with $count extra services: ${times[*]} ms (median $(echo $sorted | cut -d' ' -f2) ms)"
    wine_run "$tools/register-services.exe" delete Bench "$count" | tr -d '\r' >/dev/null
}

echo "== wait for the script"
wait_run
echo "== start to verdict"
wine_run sc create MariaDB binPath= 'C:\nothing.exe' >/dev/null
start_to_verdict 300
start_to_verdict 3000
wine_run sc delete MariaDB >/dev/null
