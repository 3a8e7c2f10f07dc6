#!/usr/bin/env bash
# Builds what the benchmarks need into build/, runs them and prints the markdown table
# kept in BENCHMARKS.md, with the machine it was taken on. Every figure is a median of
# RUNS runs (21 unless given), each baseline is taken in the same run.
#   scripts/bench.sh [--record] [RUNS]    every figure; --record also writes the table
#                                         into BENCHMARKS.md in place of the one there
#   scripts/bench.sh --startup [RUNS]     only the rows under X: start-up and memory
# The databases of 300, 3,000 and 30,000 crosswords are built once into build/bench-data
# and reused; the first run takes a minute or two longer for them.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

record=0
startup_only=0
case "${1:-}" in
    --record) record=1; shift ;;
    --startup) startup_only=1; shift ;;
    -h | --help) sed -n '2,/^$/{ /^#/s/^# \{0,1\}//p }' "$0"; exit 0 ;;
esac
runs="${1:-21}"
if ! [[ "$runs" =~ ^[1-9][0-9]*$ ]]; then
    echo "bench.sh: RUNS must be a whole number above 0; see scripts/bench.sh --help" >&2
    exit 2
fi
# The start-up figures start whole programs, so they take fewer runs.
starts=$(( runs < 11 ? runs : 11 ))

BENCH_PACKAGES=(xvfb xdotool libx11-dev strace)
install_missing "${QUILLGRID_BUILD_PACKAGES[@]}" "${BENCH_PACKAGES[@]}" >&2

programs=()
for source in bench/*.cpp; do
    name="$(basename "$source" .cpp)"
    programs+=("bench_$name")
done
export CCACHE_BASEDIR="$PWD"
if [ ! -f build/CMakeCache.txt ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2
fi
cmake --build build -j2 --target quillgrid "${programs[@]}" >&2

root="$PWD"
bin="$root/build/bench"
data="$root/build/bench-data"
scratch="$(mktemp -d)"
mkdir -p "$data"

xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$scratch"
}
trap cleanup EXIT

median() {
    sort -g | awk '{ v[NR] = $1 } END { if (NR) print v[int((NR + 1) / 2)]; else print "nan" }'
}

# row FIGURE VALUE BASELINE RATIO GOAL MET (1, 0, or - for not measured)
row() {
    local verdict="met"
    [ "$6" = 1 ] || verdict="**missed**"
    [ "$6" != - ] || verdict="pending"
    printf '| %s | %s | %s | %s | %s | %s |\n' "$1" "$2" "$3" "$4" "$5" "$verdict"
}

# ---------------------------------------------------------------- the real binary under X
# A display number of its own, away from the low ones that tests and desktops take.
display=""
for _ in $(seq 20); do
    number=$(( 100 + RANDOM % 800 ))
    [ -e "/tmp/.X$number-lock" ] && continue
    Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp -noreset 2>"$scratch/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -S "/tmp/.X11-unix/X$number" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    if [ -S "/tmp/.X11-unix/X$number" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
        display=":$number"
        break
    fi
    kill "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
done
if [ -z "$display" ]; then
    echo "bench.sh: Xvfb did not start:" >&2
    cat "$scratch/xvfb.log" >&2
    exit 1
fi
export DISPLAY="$display"
export QT_QPA_PLATFORM=xcb
# A folder of their own for the sockets and files Qt keeps there, which both may use.
export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# wait_line FILE PATTERN: the first line of FILE matching PATTERN, waiting up to 20 s.
wait_line() {
    local line
    for _ in $(seq 400); do
        line="$(grep -m1 -E "$2" "$1" || true)"
        if [ -n "$line" ]; then echo "$line"; return 0; fi
        sleep 0.05
    done
    echo "bench.sh: no \"$2\" in $1:" >&2
    cat "$1" >&2
    return 1
}

peak_kb() {
    awk '/^VmHWM:/ { print $2 }' "/proc/$1/status"
}

# Stops one program the watcher started, and the watcher with it.
stop() {
    kill "$1" 2>/dev/null || true
    wait "$2" 2>/dev/null || true
}

"$bin/bench_storage" --grid25 "$data/grid25.mdb"
# Both programs start in the same empty folder, the one their dialogs open on.
workdir="$scratch/work"
mkdir -p "$workdir"
for program in floor quillgrid; do
    for figure in map cpu accept peak; do
        : >"$scratch/$program-$figure"
    done
done

# through_dialog PROGRAM EXECUTABLE TITLE: starts EXECUTABLE under the watcher, notes when
# its file dialog is mapped, answers the dialog as a person would (the 25 x 25 database's
# path typed, then Enter) and notes how long the main window, titled TITLE, then takes.
# Leaves the program's pid in $pid, the watcher's in $watcher, the main window in $window.
through_dialog() {
    local log="$scratch/$1-$run.log" dialog closed main
    # Each program keeps the settings its dialog remembers, as it would for a person,
    # and never finds the other's, or a user's.
    (cd "$workdir" && XDG_CONFIG_HOME="$scratch/config-$1" exec "$bin/bench_mapwatch" 30 "$2") \
        >"$log" &
    watcher=$!
    pid="$(wait_line "$log" '^pid ' | cut -d' ' -f2)"
    dialog="$(wait_line "$log" '^map .* Locate the Database')"
    echo "$dialog" | cut -d' ' -f2 >>"$scratch/$1-map"
    echo "$dialog" | cut -d' ' -f3 >>"$scratch/$1-cpu"
    xdotool windowfocus --sync "$(echo "$dialog" | cut -d' ' -f4)"
    xdotool type --delay 1 "$data/grid25.mdb"
    xdotool key Return
    closed="$(wait_line "$log" '^unmap .* Locate the Database' | cut -d' ' -f2)"
    main="$(wait_line "$log" "^map .* $3\$")"
    awk -v a="$(echo "$main" | cut -d' ' -f2)" -v b="$closed" 'BEGIN { print a - b }' \
        >>"$scratch/$1-accept"
    window="$(echo "$main" | cut -d' ' -f4)"
}

# The floor: the same dialog, then a main window with the menus and a 25 x 25 grid drawn.
floor() {
    through_dialog floor "$bin/bench_minimal" Minimal
    sleep 0.3
    peak_kb "$pid" >>"$scratch/floor-peak"
    stop "$pid" "$watcher"
}

# Quillgrid, then the 25 x 25 crossword opened through the name dialog, typed.
quillgrid() {
    local names
    through_dialog quillgrid "$root/build/src/quillgrid" Quillgrid
    xdotool windowfocus --sync "$window"
    xdotool key ctrl+o
    names="$(wait_line "$scratch/quillgrid-$run.log" '^map .* Name of the Crossword')"
    xdotool windowfocus --sync "$(echo "$names" | cut -d' ' -f4)"
    xdotool type --delay 1 Grid25
    xdotool key Return
    wait_line "$scratch/quillgrid-$run.log" '^unmap .* Name of the Crossword' >/dev/null
    for _ in $(seq 100); do
        [ "$(xdotool getwindowname "$window")" = "Quillgrid - Grid25" ] && break
        sleep 0.05
    done
    if [ "$(xdotool getwindowname "$window")" != "Quillgrid - Grid25" ]; then
        echo "bench.sh: the 25 x 25 crossword did not open" >&2
        exit 1
    fi
    sleep 0.3
    peak_kb "$pid" >>"$scratch/quillgrid-peak"
    stop "$pid" "$watcher"
}

# Alternately, and each first every other run, so that neither always finds the disk
# cache warmed by the other.
for run in $(seq "$starts"); do
    if (( run % 2 )); then floor; quillgrid; else quillgrid; floor; fi
done

figure() { median <"$scratch/$1"; }
floor_map="$(figure floor-map)"
floor_cpu="$(figure floor-cpu)"
floor_accept="$(figure floor-accept)"
floor_peak="$(figure floor-peak)"
quillgrid_map="$(figure quillgrid-map)"
quillgrid_cpu="$(figure quillgrid-cpu)"
quillgrid_accept="$(figure quillgrid-accept)"
quillgrid_peak="$(figure quillgrid-peak)"
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2fx", a / b }'; }
# within VALUE FLOOR FACTOR: 1 where VALUE is at most FACTOR times FLOOR.
within() { awk -v a="$1" -v b="$2" -v f="${3:-1}" 'BEGIN { print (a <= f * b) ? 1 : 0 }'; }
megabytes() { awk -v k="$1" 'BEGIN { printf "%.1f MB", k / 1024 }'; }

rows="$scratch/rows"
{
    row "process start to the file dialog on screen (Xvfb, window mapped)" \
        "${quillgrid_map} ms" "${floor_map} ms (the same file dialog alone)" \
        "$(ratio "$quillgrid_map" "$floor_map")" "at most 1.2x" \
        "$(within "$quillgrid_map" "$floor_map" 1.2)"
    row "the same in processor time (all threads, until mapped)" "${quillgrid_cpu} ms" \
        "${floor_cpu} ms (the same file dialog alone)" \
        "$(ratio "$quillgrid_cpu" "$floor_cpu")" "at most 1.2x" \
        "$(within "$quillgrid_cpu" "$floor_cpu" 1.2)"
    row "file dialog accepted to the main window on screen" "${quillgrid_accept} ms" \
        "${floor_accept} ms (the floor's main window)" \
        "$(ratio "$quillgrid_accept" "$floor_accept")" "< 50 ms" \
        "$(awk -v a="$quillgrid_accept" 'BEGIN { print (a < 50) ? 1 : 0 }')"
    row "peak RSS after start-up, 25 x 25 crossword open" "$(megabytes "$quillgrid_peak")" \
        "$(megabytes "$floor_peak") (same dialog, then 3 menus, 25 x 25 grid)" \
        "$(ratio "$quillgrid_peak" "$floor_peak")" "at most 1.3x" \
        "$(within "$quillgrid_peak" "$floor_peak" 1.3)"
} >"$rows"
kill "$xvfb_pid" 2>/dev/null || true
xvfb_pid=""
unset DISPLAY
export QT_QPA_PLATFORM=offscreen

if [ "$startup_only" = 1 ]; then
    cat "$rows"
    exit 0
fi

# ---------------------------------------------------------------- in-process figures
"$bin/bench_storage" "$data" "$runs" >>"$rows"

# The durable save's fsync calls, counted by the kernel's own account of one save.
fsyncs() {
    rm -f "$scratch/fsync.mdb"
    "$bin/bench_storage" --empty "$scratch/fsync.mdb"
    # Where tracing is not allowed (some containers) the count is left open, not guessed.
    if ! strace -f -c -e trace=fsync,fdatasync -o "$scratch/strace.txt" \
        "$bin/bench_storage" "$1" "$scratch/fsync.mdb" >/dev/null 2>&1; then
        echo "not counted (strace failed)"
        return
    fi
    awk '$NF == "total" { print $4; found = 1 } END { if (!found) print 0 }' \
        "$scratch/strace.txt"
}
ours="$(fsyncs --save-once)"
plain="$(fsyncs --plain-save-once)"
if [[ "$ours" =~ ^[0-9]+$ && "$plain" =~ ^[0-9]+$ ]]; then
    row "fsync calls in that save (strace)" "$ours" "$plain (71 autocommitted inserts)" \
        "$(ratio "$ours" "$plain")" "at most 4" "$(within "$ours" 4)" >>"$rows"
else
    row "fsync calls in that save (strace)" "$ours" "" "" "at most 4" - >>"$rows"
fi

mkdir -p "$data/pdf"
"$bin/bench_printouts" "$data/pdf" "$runs" >>"$rows"
"$bin/bench_export" "$data" "$runs" >>"$rows"
"$bin/bench_undo" "$runs" >>"$rows"
"$bin/bench_import" "$runs" >>"$rows"
# The first run makes the 500,000-word list and a database of 2.1 million clue rows (with
# and without the index on answers) in build/bench-data: about two minutes more.
"$bin/bench_fill" "$data" "$runs" >>"$rows"

# ---------------------------------------------------------------- the table
cpu="$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)"
memory="$(awk '/^MemTotal:/ { printf "%.1f GB", $2 / 1048576 }' /proc/meminfo)"
os="$(. /etc/os-release && echo "$PRETTY_NAME"), kernel $(uname -r)"
qt="$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown)"
table="$scratch/table"
{
    echo "Taken $(date -u '+%Y-%m-%d %H:%M UTC') at commit $(git rev-parse --short HEAD)"
    echo "with \`scripts/bench.sh $runs\` (medians of $runs runs, $starts for start-up;" \
        "$(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' build/CMakeCache.txt) build)."
    echo
    echo "Machine: $(nproc) CPUs ($cpu), $memory memory,"
    echo "$os,"
    echo "Qt $qt; load average $(cut -d' ' -f1-3 /proc/loadavg) at the end."
    echo
    echo "| figure | median | baseline, same run | ratio | goal | verdict |"
    echo "|---|---|---|---|---|---|"
    cat "$rows"
} >"$table"
cat "$table"

# The recorded table sits between two marker lines of BENCHMARKS.md.
if [ "$record" = 1 ]; then
    awk -v table="$table" '
        /^<!-- table begins -->$/ {
            print
            while ((getline line < table) > 0) print line
            skip = 1
            next
        }
        /^<!-- table ends -->$/ { skip = 0 }
        !skip { print }' BENCHMARKS.md >"$scratch/BENCHMARKS.md"
    cp "$scratch/BENCHMARKS.md" BENCHMARKS.md
fi
