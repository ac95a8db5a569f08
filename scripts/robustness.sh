#!/usr/bin/env bash
# Feeds the game and the simulator every kind of bad input we could think of
# and prints one Markdown table row per case: what each did. A crash (death
# by a signal), a hang (still busy past its time without a window) or a
# progress file that lost lines is marked "FAIL". docs/robustness.md holds
# the table this printed.
#   bash scripts/robustness.sh            (needs a built build/ and Xvfb)
# It fills build/test-data/, so it must not run beside the GL tests.
set -uo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh

game=build/tests/crumbleford-test-data
sim=build/crumbleford-sim
stage=build/stage
data=build/test-data
work=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$work"' EXIT
[ -x "$game" ] && [ -x "$sim" ] || {
    echo "build first: bash scripts/test.sh (or cmake --build build)" >&2
    exit 2
}
start_xvfb 60 >/dev/null
export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
export DISPLAY=$XVFB_DISPLAY

# ImageMagick 7 (Debian 13) converts with magick and keeps convert only as
# a deprecated alias; ImageMagick 6 (Debian 12) has convert alone.
im_convert() {
    if command -v magick >/dev/null 2>&1; then
        magick "$@"
    else
        convert "$@"
    fi
}

fresh_data() {
    rm -rf "$data"
    mkdir -p "$data"
    cp -r "$stage/." "$data/"
}

# A byte soup that is the same on every run.
junk() { perl -e 'srand(7); print map { chr(int(rand(256))) } 1 .. $ARGV[0]' "$1"; }
long_line() { printf 'stockblock '; head -c 1048576 /dev/zero | tr '\0' '7'; printf ' 2 red\n'; }

# Runs the game for a few seconds, presses PLAY (which loads the map pages),
# and describes what happened in one cell.
run_game() {
    local home=$1
    HOME=$home timeout 20 "$game" >"$work/out" 2>"$work/err" &
    local pid=$!
    sleep 2.5
    xdotool mousemove 710 240 click 1 >/dev/null 2>&1
    sleep 2
    if kill -0 "$pid" 2>/dev/null; then
        kill "$pid"
        wait "$pid" 2>/dev/null
        local note
        note=$(grep -E "error|FAILED|cannot" "$work/out" "$work/err" -h | head -1)
        echo "runs${note:+; says \"${note}\"}"
    else
        wait "$pid"
        local code=$?
        if [ $code -gt 128 ] && [ $code -ne 143 ]; then
            echo "FAIL: killed by signal $((code - 128))"
            true
        else
            # The game's own reason, before whatever Qt or the sound said.
            local said
            said=$(grep -h "cannot start" "$work/err" | head -1)
            echo "exits $code: \"${said:-$(head -1 "$work/err")}\""
        fi
    fi
}

run_sim() { # level [script]
    timeout 20 "$sim" "$@" --ticks 200 >"$work/out" 2>"$work/err"
    local code=$?
    if [ $code -eq 124 ]; then
        echo "FAIL: hangs"
        true
    elif [ $code -gt 128 ]; then
        echo "FAIL: killed by signal $((code - 128))"
        true
    elif [ -s "$work/err" ]; then
        echo "exits $code: \"$(head -c 120 "$work/err" | head -1)\""
    else
        echo "exits $code, $(grep -c ' char ' "$work/out") character lines, \"$(tail -1 "$work/out")\""
    fi
}

table=$work/table
# Junk that a program echoes back could break the table: every byte that is
# not printable ASCII becomes "?".
row() { echo "| $1 | $2 | $3 |" | LC_ALL=C tr -c '[:print:]\n' '?' | tee -a "$table"; }

echo "| Input | Game | Simulator |"
echo "|---|---|---|"

home=$work/home
mkdir -p "$home"
case_game() { fresh_data; "$@"; rm -rf "$home"; mkdir -p "$home"; run_game "$home"; }

# Level and map files.
lvl=$work/l.level
printf 'mapsize 10 6\nmkframe\nchar 2 3 white null null 0 null null 0 null null 0\n' >"$work/ok.level"
row "map page 0 missing" "$(case_game rm "$data/maps/menu/0.menu")" \
    "$(run_sim "$work/absent.level")"
row "map page 0 is a directory" "$(case_game eval 'rm $data/maps/menu/0.menu; mkdir $data/maps/menu/0.menu')" \
    "$(mkdir -p "$work/dir.level"; run_sim "$work/dir.level")"
row "map page 0 empty" "$(case_game eval ': >$data/maps/menu/0.menu')" \
    "$(: >"$lvl"; run_sim "$lvl")"
row "map page 0 binary junk (64 KB)" "$(case_game eval 'junk 16384 >$data/maps/menu/0.menu')" \
    "$(junk 16384 >"$lvl"; run_sim "$lvl")"
row "a 1 MB line" "$(case_game eval 'long_line >>$data/maps/menu/0.menu')" \
    "$(cp "$work/ok.level" "$lvl"; long_line >>"$lvl"; run_sim "$lvl")"
row "huge numbers (mapsize 99999999999 9, char 1e308 2, stockblock 9e18 1)" \
    "$(case_game eval 'printf "mapsize 99999999999 9\nchar 1e308 2 white\nstockblock 9e18 1 red\n" >>$data/maps/menu/0.menu')" \
    "$(cp "$work/ok.level" "$lvl"; printf 'mapsize 99999999999 9\nchar 1e308 2 white\nstockblock 9e18 1 red\n' >>"$lvl"; run_sim "$lvl")"
row "negative numbers (mapsize -3 -3, char -2 -7, focusedchar -1)" \
    "$(case_game eval 'printf "mapsize -3 -3\nchar -2 -7 red\nfocusedchar -1\n" >>$data/maps/menu/0.menu')" \
    "$(cp "$work/ok.level" "$lvl"; printf 'mapsize -3 -3\nchar -2 -7 red\nfocusedchar -1\n' >>"$lvl"; run_sim "$lvl")"
row "non-numeric numbers (char x y, mapsize ten 4)" \
    "$(case_game eval 'printf "char x y white\nmapsize ten 4\n" >>$data/maps/menu/0.menu')" \
    "$(cp "$work/ok.level" "$lvl"; printf 'char x y white\nmapsize ten 4\n' >>"$lvl"; run_sim "$lvl")"
row "grid of 10000 x 400 cells and 5000 objects" \
    "$(case_game eval '{ echo "mapsize 10000 400"; for i in $(seq 1 5000); do echo "stockblock $i 3 red"; done; } >>$data/maps/menu/0.menu')" \
    "$(cp "$work/ok.level" "$lvl"; { echo "mapsize 10000 400"; for i in $(seq 1 5000); do echo "stockblock $i 3 red"; done; } >>"$lvl"; run_sim "$lvl")"

# The atlas.
row "atlas missing" "$(case_game rm "$data/textures/cf_2048.png")" "not read"
row "atlas truncated to 4 KB" "$(case_game eval 'head -c 4096 $stage/textures/cf_2048.png >$data/textures/cf_2048.png')" "not read"
row "atlas of the wrong size (64 x 64)" \
    "$(case_game eval 'im_convert -size 64x64 xc:red PNG32:$data/textures/cf_2048.png')" "not read"
row "atlas replaced by junk" "$(case_game eval 'junk 8192 >$data/textures/cf_2048.png')" "not read"

# A display without OpenGL: Qt's X platform with no GL integration at all.
row "a display without OpenGL (QT_XCB_GL_INTEGRATION=none)" \
    "$(QT_XCB_GL_INTEGRATION=none case_game true)" "not read"

# Lists.
row "map list missing" "$(case_game rm "$data/maps/menu/menus.list")" "not read"
row "level list missing" "$(case_game rm "$data/maps/levels/levels.list")" "not read"
row "both lists empty" "$(case_game eval ': >$data/maps/menu/menus.list; : >$data/maps/levels/levels.list')" "not read"
row "both lists binary junk" \
    "$(case_game eval 'junk 4096 >$data/maps/menu/menus.list; junk 4096 >$data/maps/levels/levels.list')" "not read"
row "map list naming pages that do not exist (7, 99999, 4294967295)" \
    "$(case_game eval 'printf "0\n7\n99999\n4294967295\n" >$data/maps/menu/menus.list')" "not read"

# Progress. Each case checks that the lines already kept are still there.
progress_case() { # description, setup run in $home before the game starts
    local name=$1
    shift
    fresh_data
    rm -rf "$home"
    mkdir -p "$home/.crumbleford"
    printf '1\n2\n' >"$home/.crumbleford/passed_levels"
    eval "$@"
    local result
    result=$(run_game "$home")
    local file=$home/.crumbleford/passed_levels
    if [ -f "$file" ] && ! grep -qx 1 "$file"; then
        result="FAIL: stored progress lost; $result"
        true
    fi
    row "$name" "$result" "not read"
}
progress_case "progress file with junk lines and binary" 'junk 2048 >>"$home/.crumbleford/passed_levels"'
progress_case "progress file is a directory" 'rm "$home/.crumbleford/passed_levels"; mkdir "$home/.crumbleford/passed_levels"'
progress_case "progress on a full device (/dev/full)" 'rm "$home/.crumbleford/passed_levels"; ln -s /dev/full "$home/.crumbleford/passed_levels"'
progress_case "progress directory unwritable (a file where ~/.crumbleford should be)" \
    'rm -rf "$home/.crumbleford"; echo x >"$home/.crumbleford"'

# Scripts.
scr=$work/s.script
row "script: binary junk" "not read" "$(junk 4096 >"$scr"; run_sim "$work/ok.level" "$scr")"
row "script: a 1 MB line" "not read" "$(long_line >"$scr"; run_sim "$work/ok.level" "$scr")"
row "script: tick 99999999999999999999" "not read" "$(echo '99999999999999999999 press Left' >"$scr"; run_sim "$work/ok.level" "$scr")"
row "script: tick -5 and place at column -9223372036854775808" "not read" \
    "$(printf -- '-5 press Left\n3 place 0 -9223372036854775808 2 up\n' >"$scr"; run_sim "$work/ok.level" "$scr")"
row "script: place at huge cells, slot 7" "not read" \
    "$(printf '3 place 0 9223372036854775807 2 up\n4 place 7 2 2 up\n' >"$scr"; run_sim "$work/ok.level" "$scr")"
row "script: rewind further than played" "not read" \
    "$(printf '5 rewind 999999\n' >"$scr"; run_sim "$work/ok.level" "$scr")"

rm -rf "$data"
fails=$(grep -c "| FAIL" "$table")
echo
echo "robustness: ${fails} failures"
[ "$fails" -eq 0 ]
