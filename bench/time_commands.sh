#!/usr/bin/env bash
# Times `varnoc compile` and `varnoc build` against `gzip -1 -c` of the same ladder file, side by
# side and alternating, and prints medians of wall and CPU (user + system) time in ms.
#
# usage: bench/time_commands.sh [BUILD_DIR] [RUNS] [WORK_DIR]
#   BUILD_DIR  build tree holding src/cli/varnoc and bench/write_program_set (default: build)
#   RUNS       runs of each command (default: 11)
#   WORK_DIR   where the two projects are made (default: a fresh temporary folder)
#
# The compile project has 64,000 rows; the build project 24,857 rows, the largest generated
# project whose target file still fits. After each command, the time that writing its output file
# alone takes, forced to disk, shows how much of it no faster compile can win back.
set -euo pipefail

build_dir=${1:-build}
runs=${2:-11}
work_dir=${3:-$(mktemp -d)}
varnoc=$(realpath "$build_dir/src/cli/varnoc")
writer=$(realpath "$build_dir/bench/write_program_set")
mkdir -p "$work_dir"
cd "$work_dir"

make_project() {  # NAME ROWS
    "$varnoc" new --force "$1.KPJ" >/dev/null
    "$writer" "$1.vld" "$2"
}

# Prints "wall cpu" in ms of one run of the command, its output discarded.
time_once() {
    local TIMEFORMAT='%3R %3U %3S' line
    line=$({ time "$@" >/dev/null 2>&1; } 2>&1)
    awk '{ printf "%.1f %.1f\n", $1 * 1000, ($2 + $3) * 1000 }' <<<"$line"
}

median() {  # of the numbers on standard input
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2];
                                        else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# COMMAND_NAME PROJECT: alternates the command with gzip and prints both medians and the ratio.
compare() {
    local command=$1 project=$2 ours=() theirs=() i
    "$varnoc" "$command" "$project.KPJ" >/dev/null  # warm the page cache
    for ((i = 0; i < runs; ++i)); do
        ours+=("$(time_once "$varnoc" "$command" "$project.KPJ")")
        theirs+=("$(time_once gzip -1 -c "$project.vld")")
    done
    local ow oc gw gc
    ow=$(printf '%s\n' "${ours[@]}" | cut -d' ' -f1 | median)
    oc=$(printf '%s\n' "${ours[@]}" | cut -d' ' -f2 | median)
    gw=$(printf '%s\n' "${theirs[@]}" | cut -d' ' -f1 | median)
    gc=$(printf '%s\n' "${theirs[@]}" | cut -d' ' -f2 | median)
    printf '%-8s %-10s wall %7.1f ms cpu %7.1f ms | gzip -1 wall %6.1f ms cpu %6.1f ms | ' \
        "$command" "$project" "$ow" "$oc" "$gw" "$gc"
    awk -v a="$ow" -v b="$gw" 'BEGIN { printf "wall ratio %.2f\n", a / b }'
}

# FILE: how long writing the command's output file alone takes, forced to disk as the command
# does: the part of the command that reading, compiling and formatting cannot shorten.
write_alone() {
    local times=() i
    for ((i = 0; i < runs; ++i)); do
        times+=("$(time_once dd if="$1" of="$1.copy" bs=256k conv=fsync status=none)")
    done
    rm -f "$1.copy"
    printf '         writing %s (%d bytes) alone: wall %6.1f ms\n' "$1" "$(stat -c %s "$1")" \
        "$(printf '%s\n' "${times[@]}" | cut -d' ' -f1 | median)"
}

make_project C64000 64000
make_project B24857 24857
echo "runs: $runs, load: $(cut -d' ' -f1-3 /proc/loadavg), work: $work_dir"
compare compile C64000
write_alone C64000.txt
compare build B24857
write_alone DST.PLC
