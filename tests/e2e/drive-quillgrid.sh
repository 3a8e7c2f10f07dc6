#!/usr/bin/env bash
# Drives the real program as a person does, with key presses and mouse clicks in an X
# server of its own: a new database, a 10 x 10 crossword after a bad size, three crossing
# clues and a refused one, a save, the clue list, the three print-outs and the puzzle
# page, Exit; then a second start that opens the crossword by name, places a typo, undoes
# it, adds the clue, edits a clue's text and saves again, then answers Ctrl+X on an unsaved
# clue with Cancel and then Discard. The file, the printed pages and a screenshot after
# each step are checked and kept in the folder given. Exit status 77 (a skip) only where
# no X server can start. On the way: a start cancelled, the window shrunk, and the second
# start taking the proposed database.
#
# Usage: drive-quillgrid.sh QUILLGRID_BINARY ARTEFACT_FOLDER
set -euo pipefail

program=$(realpath "$1")
out=$(realpath -m "$2")
rm -rf "$out"
mkdir -p "$out/home" "$out/runtime" "$out/folder"
cd "$out/folder"  # where a cancelled start-up dialog puts xword.mdb
chmod 700 "$out/runtime"
database="$out/crosswords.db"
pids=()
shot=0

cleanup() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    screenshot failure || true
    tail -n 20 "$out/quillgrid.log" >&2 || true
    exit 1
}

# Polls `condition` every 50 ms for up to 60 s: a busy machine can take that long to
# start a window manager, and a quick one loses nothing by the wait.
wait_until() {
    local what="$1"
    shift
    local tries=0
    until "$@"; do
        tries=$((tries + 1))
        [ "$tries" -lt 1200 ] || fail "waited 60 s for $what"
        sleep 0.05
    done
}

screenshot() {
    shot=$((shot + 1))
    import -window root "$(printf '%s/%02d-%s.png' "$out" "$shot" "$1")"
}

# The window of the program whose title matches, once it is on screen and has the focus.
# Searched afresh every 50 ms rather than with --sync: a window that closes while xdotool
# walks the window tree (the file dialog going as the main window comes) makes that one
# search fail with BadWindow.
window() {
    local id="" tries=0
    until id=$(xdotool search --all --onlyvisible --pid "$app" --name "$1" 2>/dev/null |
        head -n 1) && [ -n "$id" ]; do
        tries=$((tries + 1))
        [ "$tries" -lt 1200 ] || fail "no window titled /$1/ appeared in 60 s"
        sleep 0.05
    done
    xdotool windowactivate --sync "$id" 2>/dev/null || true
    echo "$id"
}

gone() {
    ! xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'
}

# Keys pressed in the window with the focus, then the window is waited away.
answer_and_close() {
    local id="$1"
    shift
    xdotool "$@"
    wait_until "window $id to close" gone "$id"
}

type_text() {
    xdotool type --delay 15 "$1"
}

start_x() {
    exec {displayfd}<> <(:)
    Xvfb -displayfd "$displayfd" -screen 0 1280x1024x24 -nolisten tcp \
        >"$out/xvfb.log" 2>&1 &
    local xvfb=$!
    pids+=("$xvfb")
    local number="" tries=0
    until read -r -t 0.1 number <&"$displayfd" && [ -n "$number" ]; do
        tries=$((tries + 1))
        if [ "$tries" -ge 100 ] || ! kill -0 "$xvfb" 2>/dev/null; then
            echo "SKIP: Xvfb could not start an X server:"
            cat "$out/xvfb.log"
            exit 77
        fi
    done
    export DISPLAY=":$number"
    openbox --sm-disable >"$out/openbox.log" 2>&1 &
    pids+=($!)
    wait_until "openbox to manage the screen" \
        sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
}

start_program() {
    HOME="$out/home" XDG_RUNTIME_DIR="$out/runtime" QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 \
        CUPS_SERVER="${QUILLGRID_TEST_CUPS_SERVER:-${CUPS_SERVER:-}}" \
        "$program" >>"$out/quillgrid.log" 2>&1 &
    app=$!
    pids+=("$app")
    dialog=$(window '^Locate the Database file')
    screenshot "$1-file-dialog"
    [ "${2:-}" = by-hand ] && return  # the caller acts on the dialog
    # The name field holds the proposed file; a person takes it, or replaces it.
    [ "${2:-}" = proposed ] || { xdotool key ctrl+a && type_text "$database"; }
    xdotool key Return
    wait_until "the file dialog to close" gone "$dialog"
    main=$(window '^Quillgrid$')
    screenshot "$1-main-window"
}

exit_program() {
    xdotool windowactivate --sync "$main" key ctrl+x
    wait_until "the program to end" sh -c "! kill -0 $app 2>/dev/null"
    local status=0
    wait "$app" || status=$?
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

# The grid's corner and cell size in the main window, from its drawn lines: the rows and
# columns of the screenshot that are mostly black.
find_grid() {
    import -window "$main" "$out/grid.png"
    lines() {
        convert "$out/grid.png" -colorspace gray -threshold 50% -negate -scale "$1" txt:- |
            awk -F'[,:]' -v axis="$2" '/gray\(/ {
                    split($0, v, "gray\\("); level = v[2] + 0
                    if (level > 60) print (axis == "x" ? $1 : $2) }' |
            awk 'NR == 1 || $1 > last + 2 { print } { last = $1 }'
    }
    local width height
    width=$(identify -format '%w' "$out/grid.png")
    height=$(identify -format '%h' "$out/grid.png")
    local rows columns
    mapfile -t rows < <(lines "1x${height}!" y)
    mapfile -t columns < <(lines "${width}x1!" x)
    [ "${#rows[@]}" -eq 11 ] && [ "${#columns[@]}" -eq 11 ] ||
        fail "found ${#rows[@]} row lines and ${#columns[@]} column lines, not 11 each"
    grid_left=${columns[0]}
    grid_top=${rows[0]}
    cell_width=$(((columns[10] - columns[0]) / 10))
    cell_height=$(((rows[10] - rows[0]) / 10))
}

# Clicks cell (column, row) and types the clue, the answer and the direction.
enter_clue() {
    local column="$1" row="$2" clue="$3" answer="$4" direction="$5"
    xdotool mousemove --window "$main" $((grid_left + column * cell_width + cell_width / 2)) \
        $((grid_top + row * cell_height + cell_height / 2)) click 1
    form=$(window '^Enter the Clue and Answer$')
    # The dialog keeps what was typed last time, and the control that had the focus then:
    # the clue box, where every entry below ends. A person types over the old text.
    xdotool key ctrl+a
    type_text "$clue"
    xdotool key Tab ctrl+a
    type_text "$answer"
    xdotool key Tab
    type_text "$direction"
    xdotool key shift+Tab shift+Tab
    screenshot "clue-$answer"
    answer_and_close "$form" key Return
}

print_jobs_done() {
    [ -z "$(CUPS_SERVER="$QUILLGRID_TEST_CUPS_SERVER" lpstat -o 2>/dev/null)" ]
}

# The next PDF the portrait queue writes, once its job is finished.
next_pdf() {
    local name="$1" before="$2" found=""
    find_new() {
        print_jobs_done || return 1
        found=$(comm -13 <(echo "$before") <(ls "$QUILLGRID_CUPS_PORTRAIT_DIR") | head -n 1)
        [ -n "$found" ] && [ -s "$QUILLGRID_CUPS_PORTRAIT_DIR/$found" ]
    }
    wait_until "the $name print-out to reach the queue" find_new
    cp "$QUILLGRID_CUPS_PORTRAIT_DIR/$found" "$out/$name.pdf"
    pdftotext "$out/$name.pdf" "$out/$name.txt"
}

# A print-out started by `keys`: the title prompt, and nothing else to answer.
print_out() {
    local name="$1" title="$2"
    shift 2
    local before
    before=$(ls "$QUILLGRID_CUPS_PORTRAIT_DIR")
    xdotool "$@"
    local prompt
    prompt=$(window '^Quillgrid$')
    xdotool key ctrl+a
    type_text "$title"
    screenshot "$name-title"
    answer_and_close "$prompt" key Return
    next_pdf "$name" "$before"
}

words() {
    tr -s ' \n\f' '\n' <"$1" | sed '/^$/d' | LC_ALL=C sort | paste -sd ' '
}

expect_equal() {
    [ "$2" = "$3" ] || fail "$1: expected [$3], got [$2]"
}

clue_rows() {
    sqlite3 "$database" "SELECT CrossID, CluePos, CASE WHEN Across THEN 'across' ELSE 'down' END,
                                Clue, CluePosX, CluePosY, Answer FROM Clues ORDER BY rowid"
}

start_x
if [ -z "${QUILLGRID_TEST_CUPS_SERVER:-}" ] || [ -z "${QUILLGRID_CUPS_PORTRAIT_DIR:-}" ]; then
    echo "The print-outs are skipped: no CUPS queue was set up for this run (test.sh sets" \
        "one up where cupsd can start)."
    printing=no
else
    printing=yes
fi

# Cancel, over a database of the folder that the filter for any database lists and that
# is selected, still means xword.mdb in the current folder.
touch puzzles.mdb notes.txt
start_program cancelled by-hand
xdotool key Tab alt+Down Down Return shift+Tab
type_text "puzzles.mdb"
screenshot "database-filter"
xdotool key Escape sleep 0.5  # which may only close the name's completion list
gone "$dialog" || answer_and_close "$dialog" key Escape
main=$(window '^Quillgrid$')
xdotool key ctrl+o
naming=$(window '^Name of the Crossword$')
answer_and_close "$naming" key Escape
[ -s xword.mdb ] && [ ! -s puzzles.mdb ] || fail "Cancel did not leave xword.mdb in use"
exit_program

# First start: a new file, a crossword of three clues, saved, listed and printed.
start_program first
xdotool key ctrl+n
prompt=$(window '^Grid Size$')
xdotool key ctrl+a
type_text "ten"
answer_and_close "$prompt" key Return
error=$(window '^Error$')
screenshot "bad-size-refused"
answer_and_close "$error" key Return
for size in 10 10; do
    prompt=$(window '^Grid Size$')
    xdotool key ctrl+a
    type_text "$size"
    answer_and_close "$prompt" key Return
done
screenshot "empty-grid"
find_grid

enter_clue 0 0 "Night bird" "owl" "a"
enter_clue 0 0 "Tree" "Oak" "d"
enter_clue 2 0 "Big cat" "LION" "d"
enter_clue 0 1 "Verb" "be" "a"
conflict=$(window '^Clues are conflicting$')
screenshot "conflicting-clue-refused"
answer_and_close "$conflict" key Return
screenshot "three-clues"

# Restored (by a double click on its title bar) and shrunk, the window shows the whole grid
# refitted, and its last cell takes a press.
top=$(xprop -id "$main" _NET_FRAME_EXTENTS | cut -d, -f3)
eval "$(xwininfo -id "$main" | sed -n 's/.*Absolute upper-left \(.\): *\(.*\)/\1=\2/p')"
xdotool mousemove $((X + 60)) $((Y - top / 2)) click --repeat 2 --delay 80 1
wait_until "the window to be restored" sh -c "! xprop -id $main _NET_WM_STATE | grep -q MAX"
xdotool windowsize --sync "$main" 420 330
find_grid
screenshot "shrunk"
xdotool mousemove --window "$main" $((grid_left + 9 * cell_width + 2)) \
    $((grid_top + 9 * cell_height + 2)) click 1
form=$(window '^Enter the Clue and Answer$')
answer_and_close "$form" key Escape
empty=$(window '^Clue error$')
answer_and_close "$empty" key Return

xdotool windowactivate --sync "$main" key F2
naming=$(window '^Name of the Crossword$')
type_text "Birds"
screenshot "name-typed"
answer_and_close "$naming" key Return
main=$(window '^Quillgrid - Birds$')
screenshot "saved"
expect_equal "rows after the first save" "$(sqlite3 "$database" 'SELECT count(*) FROM Clues')" 3

# Exported through the real save dialog: the name typed over the proposed one, without an
# ending, takes the chosen type's (.ipuz, the first).
rm -f "$out/birds.ipuz"
xdotool key ctrl+e
exporting=$(window '^Export Crossword$')
xdotool key ctrl+a
type_text "$out/birds"
screenshot "export-name-typed"
answer_and_close "$exporting" key Return
main=$(window '^Quillgrid - Birds$')
wait_until "the exported file" test -s "$out/birds.ipuz"
grep -q '"title": "Birds"' "$out/birds.ipuz" || fail "the exported file has not the title"
grep -q '"O",' "$out/birds.ipuz" || fail "the exported file has not the letters"

xdotool key ctrl+v
list=$(window '^List Of All Clues$')
screenshot "clue-list"
answer_and_close "$list" key Escape

if [ "$printing" = yes ]; then
    print_out grid "Grid Page" windowactivate --sync "$main" key ctrl+g
    print_out solution "Solution Page" windowactivate --sync "$main" key ctrl+u
    print_out puzzle "Puzzle Page" windowactivate --sync "$main" key ctrl+shift+p
    xdotool windowactivate --sync "$main" key ctrl+c
    list=$(window '^List Of All Clues$')
    # The list has the focus; the Print button is next in the tab order.
    print_out clues "Clue Page" key Tab space
    answer_and_close "$list" windowactivate --sync "$list" key Escape
fi
exit_program

# Second start: the same file, the crossword opened by its name, one more clue saved.
start_program second proposed
xdotool key ctrl+o
naming=$(window '^Name of the Crossword$')
type_text "Birds"
answer_and_close "$naming" key Return
main=$(window '^Quillgrid - Birds$')
screenshot "opened"
find_grid
enter_clue 2 3 "Fishing mesh" "nte" "a"
xdotool windowactivate --sync "$main" key ctrl+z
screenshot "typo-undone"
enter_clue 2 3 "Fishing mesh" "net" "a"
xdotool windowactivate --sync "$main" key alt+e
screenshot "edit-menu"
xdotool key e
editor=$(window '^Edit Clue$')
# The first clue listed, 1 Across, is offered with its text in the focused box.
xdotool key ctrl+a
type_text "Owl, for one"
screenshot "edit-clue"
answer_and_close "$editor" key Return
xdotool windowactivate --sync "$main" key alt+e m
remover=$(window '^Remove Clue$')
screenshot "remove-clue"
answer_and_close "$remover" key Escape
xdotool windowactivate --sync "$main" key F2
wait_until "the second save" \
    sh -c "[ \"\$(sqlite3 '$database' 'SELECT count(*) FROM Clues')\" = 4 ]"
screenshot "saved-again"
enter_clue 5 5 "Not saved" "ant" "a"
xdotool windowactivate --sync "$main" key ctrl+x
asking=$(window '^Quillgrid$')
screenshot "save-changes-asked"
answer_and_close "$asking" key Escape
kill -0 "$app" || fail "Cancel ended the program"
xdotool windowactivate --sync "$main" key ctrl+x
asking=$(window '^Quillgrid$')
xdotool key alt+d
wait_until "the program to end" sh -c "! kill -0 $app 2>/dev/null"
wait "$app" || fail "the program ended with status $?"

expect_equal "crossword rows" \
    "$(sqlite3 "$database" 'SELECT Name, GridX, GridY FROM CrosswordID')" "Birds|10|10"
cross_id=$(sqlite3 "$database" 'SELECT CrossID FROM CrosswordID')
expect_equal "clue rows in the order saved" "$(clue_rows)" \
    "$cross_id|1|across|Owl, for one|0|0|OWL
$cross_id|1|down|Tree|0|0|OAK
$cross_id|2|down|Big cat|2|0|LION
$cross_id|3|across|Fishing mesh|2|3|NET"

if [ "$printing" = yes ]; then
    # The grids as sorted words, whatever the order in which the page was laid out.
    expect_equal "words of the blank grid" "$(words "$out/grid.txt")" "1 2 Grid Page"
    expect_equal "words of the solution" "$(words "$out/solution.txt")" \
        "1 2 A I K L N O O Page Solution W"
    expect_equal "the clue print-out" "$(tr -s ' \n\f' ' ' <"$out/clues.txt")" \
        "Clue Page Across: 1. Night bird Down: 1. Tree 2. Big cat "
    expect_equal "words of the puzzle page" "$(words "$out/puzzle.txt")" \
        "(3) (3) (4) 1 1 1 2 2 Across Big Down Night Page Puzzle Tree bird cat"
fi
echo "The program was driven through both starts; screenshots and files are in $out."
