#!/usr/bin/env bash
# The road of one prayer time from end to end, driven as a user drives it, on a
# real X display of its own:
#   1. the calculator writes the times file (and writes it again over the old one)
#      and hands it to the desktop's text viewer;
#   2. the announcer docks in the tray, shows the day, and refuses a second start;
#   3. the announcer's first tick falls in today's Fajr minute and calls to prayer;
#   4. "Exit" from the tray menu removes the icon and ends the announcer.
#
# Usage: e2e_road.sh PROGRAM_FOLDER WORK_FOLDER [SCREENSHOT_FOLDER]
#
# Everything runs under a fresh HOME, XDG_RUNTIME_DIR and TMPDIR inside the work
# folder, on a display nobody else uses; every process the test starts is bounded
# by timeout and ended on the way out.
set -uo pipefail

PROGRAMS=${1:?program folder}
WORK=${2:?work folder}
SHOTS=${3:-$WORK/screenshots}

# Tools' own time limits: a stuck program cannot outlive the test for long.
PROCESS_LIMIT=240
STEP=setup

log() { printf '[e2e %3ds] %s\n' "$SECONDS" "$*"; }

# ---- bookkeeping of what this test starts --------------------------------------

RUN_MARK="e2e-road-$$-$RANDOM"
export E2E_ROAD_RUN=$RUN_MARK   # inherited by everything started below
started_groups=()
DISPLAY_NO=""
XVFB=""

# Starts a command in a session of its own, bounded in time; SPAWNED is its
# process group id (the id of `timeout`, which is also its pid).
SPAWNED=""
spawn() {  # name, command...
    local name=$1; shift
    setsid timeout --kill-after=5 "$PROCESS_LIMIT" "$@" >"$WORK/logs/$name.out" 2>&1 </dev/null &
    SPAWNED=$!
    started_groups+=("$SPAWNED")
}

# The program itself, the child of its `timeout`.
child_of() {  # timeout's pid
    local i
    for i in $(seq 50); do
        local kid
        kid=$(ps -o pid= --ppid "$1" 2>/dev/null | head -n1 | tr -d ' ')
        [ -n "$kid" ] && { echo "$kid"; return 0; }
        sleep 0.1
    done
    return 1
}

alive() { kill -0 "$1" 2>/dev/null; }

# Processes that carry this run's mark, whatever started them (the viewer that
# xdg-open starts, a program that double-forked).
marked_processes() {
    local env pid
    for env in /proc/[0-9]*/environ; do
        pid=${env#/proc/}; pid=${pid%/environ}
        [ "$pid" = "$$" ] && continue
        [ "$pid" = "$BASHPID" ] && continue
        if tr '\0' '\n' 2>/dev/null <"$env" | grep -qx "E2E_ROAD_RUN=$RUN_MARK"; then
            echo "$pid"
        fi
    done
}

cleanup() {
    local status=$?
    trap - EXIT INT TERM
    local g
    for g in "${started_groups[@]}"; do kill -TERM -- "-$g" 2>/dev/null; done
    sleep 0.5
    for g in "${started_groups[@]}"; do kill -KILL -- "-$g" 2>/dev/null; done
    local pid left=()
    for pid in $(marked_processes); do
        # Only this run's own processes: the shell itself and its subshells carry the mark too.
        [ "$(ps -o pgid= "$pid" 2>/dev/null | tr -d ' ')" = "$(ps -o pgid= $$ | tr -d ' ')" ] && continue
        left+=("$pid $(tr '\0' ' ' 2>/dev/null </proc/"$pid"/cmdline)")
        kill -KILL "$pid" 2>/dev/null
    done
    if [ ${#left[@]} -gt 0 ]; then
        log "cleanup: ended processes left behind:"; printf '    %s\n' "${left[@]}"
    fi
    # A server ended by force leaves its lock: remove it, if it is still ours.
    if [ -n "$DISPLAY_NO" ] && ! alive "$XVFB" &&
       [ "$(tr -d ' \n' 2>/dev/null <"/tmp/.X$DISPLAY_NO-lock")" = "$XVFB" ]; then
        rm -f "/tmp/.X$DISPLAY_NO-lock" "/tmp/.X11-unix/X$DISPLAY_NO"
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

fail() {
    log "FAIL in step \"$STEP\": $*"
    if [ -n "$DISPLAY_NO" ]; then
        shot "failure" >/dev/null 2>&1
        xwininfo -root -tree >"$WORK/logs/windows-at-failure.txt" 2>&1
        echo "---- windows at the failure: $WORK/logs/windows-at-failure.txt"
    fi
    local f
    for f in "$WORK"/logs/*.out; do
        [ -s "$f" ] || continue
        echo "---- $(basename "$f") (last lines)"; tail -n 15 "$f"
    done
    exit 1
}

# Polls a condition every 0.2 s until it holds or the seconds run out.
wait_until() {  # seconds, description, command...
    local limit=$1 what=$2; shift 2
    local end=$((SECONDS + limit))
    while ! "$@" >/dev/null; do
        [ $SECONDS -ge $end ] && fail "$what (waited ${limit}s)"
        sleep 0.2
    done
}

shot_count=0
shot() {  # name
    shot_count=$((shot_count + 1))
    local file
    file=$(printf '%s/%02d-%s.png' "$SHOTS" "$shot_count" "$1")
    timeout 20 import -display ":$DISPLAY_NO" -window root "$file" 2>/dev/null || log "screenshot $1 failed"
    log "screenshot $file"
}

# What a window shows, read back from its pixels (enlarged for the reader),
# without any blanks: the reader is not sure of blanks between words.
window_text() {  # window, name, scale
    local image="$WORK/ocr/$2-$3.png"
    timeout 20 import -display ":$DISPLAY_NO" -window "$1" "$WORK/ocr/$2.png" 2>/dev/null || return 0
    convert "$WORK/ocr/$2.png" -colorspace Gray -resize "$3%" "$image" 2>/dev/null || return 0
    timeout 30 tesseract "$image" - 2>/dev/null | tee "$WORK/ocr/$2-$3.txt" | tr -d ' \t\n'
}
# Fails unless the window shows every text given (compared without blanks).
expect_shown() {  # window, name, what, texts...
    local window=$1 name=$2 what=$3; shift 3
    local scale seen missing
    for scale in 300 400; do
        seen=$(window_text "$window" "$name" "$scale")
        missing=()
        local t
        for t in "$@"; do
            [[ "$seen" == *"${t// /}"* ]] || missing+=("$t")
        done
        [ ${#missing[@]} -eq 0 ] && return 0
    done
    fail "$what: the window does not show $(printf '"%s" ' "${missing[@]}")(read: $WORK/ocr/$name-400.txt)"
}

for tool in Xvfb xdpyinfo trayer xdotool xwininfo xprop import convert tesseract xdg-open setsid timeout; do
    command -v "$tool" >/dev/null || fail "the tool $tool is missing (scripts/install-deps.sh installs it)"
done
for f in velstra azaan fajr.mp3 other.mp3 ReadMe.txt; do
    [ -e "$PROGRAMS/$f" ] || fail "the program folder $PROGRAMS holds no $f"
done

# ---- a fresh work folder, a private home and a copy of the program folder ------

rm -rf "$WORK" "$SHOTS"
mkdir -p "$WORK"/{logs,home,run,tmp,ocr} "$SHOTS"
chmod 700 "$WORK/run"
WORK=$(cd "$WORK" && pwd -P)
SHOTS=$(cd "$SHOTS" && pwd -P)
BIN=$WORK/bin
cp -a "$PROGRAMS/." "$BIN"
rm -f "$BIN/AzaanTimes.dat" "$BIN/azaan.log" "$BIN/DST.TXT"

export HOME=$WORK/home
export XDG_RUNTIME_DIR=$WORK/run
export XDG_CONFIG_HOME=$HOME/.config
export XDG_DATA_HOME=$HOME/.local/share
export XDG_CACHE_HOME=$HOME/.cache
export XDG_CONFIG_DIRS=/etc/xdg
export XDG_DATA_DIRS=/usr/local/share:/usr/share
export TMPDIR=$WORK/tmp
# A bare X session: no desktop environment, no session bus, no Wayland.
export XDG_CURRENT_DESKTOP=X-Generic
unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY SESSION_MANAGER DESKTOP_SESSION \
      XDG_SESSION_TYPE XDG_SESSION_DESKTOP GNOME_DESKTOP_SESSION_ID KDE_FULL_SESSION \
      XAUTHORITY QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE BROWSER
export QT_QPA_PLATFORM=xcb
export LC_ALL=C.UTF-8 LANG=C.UTF-8

# The desktop's text viewer, as users choose it: the default application for
# text files. The stand-in notes what it was asked to open.
VIEWER_CALLS=$WORK/viewer-calls.txt
mkdir -p "$WORK/standin" "$XDG_DATA_HOME/applications" "$XDG_CONFIG_HOME"
cat >"$WORK/standin/text-viewer" <<EOF
#!/bin/sh
printf '%s\n' "\$*" >>"$VIEWER_CALLS"
EOF
chmod +x "$WORK/standin/text-viewer"
cat >"$XDG_DATA_HOME/applications/standin.desktop" <<EOF
[Desktop Entry]
Type=Application
Name=Stand-in text viewer
Exec=$WORK/standin/text-viewer %f
MimeType=text/plain;application/octet-stream;
NoDisplay=true
EOF
cat >"$XDG_CONFIG_HOME/mimeapps.list" <<EOF
[Default Applications]
text/plain=standin.desktop
application/octet-stream=standin.desktop
EOF

# ---- the display, the tray ------------------------------------------------------

STEP="display"
for n in $(seq 120 160); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    spawn "xvfb-$n" Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp -noreset
    xpid=$SPAWNED
    XVFB=$(child_of "$xpid")
    for _ in $(seq 50); do
        DISPLAY=":$n" xdpyinfo >/dev/null 2>&1 && { DISPLAY_NO=$n; break; }
        alive "$xpid" || break
        sleep 0.2
    done
    [ -n "$DISPLAY_NO" ] && break
    kill -TERM -- "-$xpid" 2>/dev/null
done
[ -n "$DISPLAY_NO" ] || fail "no X display could be started between :120 and :160"
export DISPLAY=":$DISPLAY_NO"
log "display $DISPLAY"

STEP="tray"
spawn trayer trayer --edge bottom --align right --widthtype request --height 32 \
    --SetDockType true --transparent false --tint 0x606060
tray_panel() { xdotool search --class trayer 2>/dev/null | while read -r w; do
    xprop -id "$w" WM_CLASS 2>/dev/null | grep -q '"panel", "trayer"' && echo "$w"; done | head -n1; }
tray_ready() { [ -n "$(tray_panel)" ] && xdpyinfo >/dev/null 2>&1; }
wait_until 15 "the tray host never showed its panel" tray_ready
PANEL=$(tray_panel)
# Windows embedded in the tray, by id.
tray_windows() { xwininfo -tree -id "$PANEL" 2>/dev/null | awk '$1 ~ /^0x/ {print $1}' | sort; }
TRAY_BEFORE=$(tray_windows)
log "tray panel $PANEL"

# ---- helpers on windows ---------------------------------------------------------

hex() { printf '0x%x\n' "$1"; }
# Visible windows of a process with exactly this title.
windows_of() {  # pid, title
    local w
    for w in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
        [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$2" ] && echo "$w"
    done
}
# A visible window of the process with this title that is not one of the given ones.
new_window_of() {  # pid, title, known windows...
    local pid=$1 title=$2; shift 2
    local w k
    for w in $(windows_of "$pid" "$title"); do
        for k in "$@"; do [ "$w" = "$k" ] && continue 2; done
        echo "$w"; return 0
    done
    return 1
}
has_window() { [ -n "$(new_window_of "$@")" ]; }
# A visible window of the process, of any title, that is not one of the given ones.
other_window_of() {  # pid, known windows...
    local pid=$1; shift
    local w
    for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
        case " $* " in *" $w "*) ;; *) echo "$w"; return 0 ;; esac
    done
    return 1
}
is_viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
is_gone_or_hidden() { ! is_viewable "$1"; }
# Keys to a window of ours: give it the focus first (there is no window manager to do it).
keys_to() {  # window, keys...
    local w=$1; shift
    xdotool windowfocus --sync "$w" 2>/dev/null || xdotool windowfocus "$w"
    sleep 0.2
    xdotool key --delay 80 "$@"
}
click_at() {  # window, x, y, button
    xdotool mousemove --window "$1" "$2" "$3" && sleep 0.2 && xdotool click "$4"
}

# Answers a message box of the process: waits for it, shows it, presses a key, sees it go.
answer_box() {  # pid, title, key, shot name, known windows...
    local pid=$1 title=$2 key=$3 name=$4; shift 4
    wait_until 20 "the message box \"$title\" never appeared" has_window "$pid" "$title" "$@"
    local box
    box=$(new_window_of "$pid" "$title" "$@")
    sleep 0.3
    shot "$name"
    keys_to "$box" "$key"
    wait_until 10 "the message box \"$title\" stayed open after \"$key\"" is_gone_or_hidden "$box"
}

# ---- step 1: the calculator writes the times file -------------------------------

cd "$BIN"   # run from the program folder, as a user would

STEP="1 calculator writes the times file"
spawn velstra "$BIN/velstra"
vgroup=$SPAWNED
velstra=$(child_of "$vgroup") || fail "velstra did not start"
main_window_up() { [ -n "$(windows_of "$velstra" Murvenik)" ]; }
wait_until 30 "the calculator's window \"Murvenik\" never appeared" main_window_up
FORM1=$(windows_of "$velstra" Murvenik | head -n1)
sleep 0.5
shot "calculator-started"

# Pick the fourth place of the list with the keyboard: open the list, go down, take it.
click_at "$FORM1" 200 32 1
keys_to "$FORM1" alt+Down
wait_until 10 "the place list did not open on Alt+Down" other_window_of "$velstra" "$FORM1"
sleep 0.3
xdotool key --delay 80 Down Down Down Return
list_closed() { ! other_window_of "$velstra" "$FORM1"; }
wait_until 10 "the place list did not close on Return" list_closed
sleep 0.5
shot "calculator-place-picked"
timeout 20 import -display ":$DISPLAY_NO" -window "$FORM1" "$WORK/ocr/preview.png" 2>/dev/null

CREATE_X=245 CREATE_Y=384   # "Create Prayer Times File", by the window's layout
create_file() {  # round (1 = new file, 2 = over the old one)
    click_at "$FORM1" "$CREATE_X" "$CREATE_Y" 1
    answer_box "$velstra" "Verify entered information" y "confirmation-$1" "$FORM1"
    if [ "$1" = 2 ]; then
        answer_box "$velstra" "Velstra" y "overwrite-question" "$FORM1"
    fi
    answer_box "$velstra" "Murvenik" Return "file-written-$1" "$FORM1"
}
viewer_calls() { [ -f "$VIEWER_CALLS" ] && wc -l <"$VIEWER_CALLS" | tr -d ' ' || echo 0; }
viewer_called() { [ "$(viewer_calls)" -ge "$1" ]; }

TIMES=$BIN/AzaanTimes.dat
check_times_file() {
    [ -f "$TIMES" ] || fail "no times file $TIMES"
    local lines crlf
    lines=$(wc -l <"$TIMES" | tr -d ' ')
    crlf=$(grep -c $'\r$' "$TIMES")
    [ "$lines" = 385 ] || fail "the times file has $lines lines, not 385"
    [ "$crlf" = 385 ] || fail "only $crlf of the times file's 385 lines end with CR LF"
    [ "$(tail -c 2 "$TIMES" | od -An -c | tr -d ' ')" = '\r\n' ] || fail "the times file does not end with CR LF"
    # The place picked: the fourth of the list, as the header names it.
    local first coords
    first=$(sed -n '1p' "$TIMES" | tr -d '\r')
    coords=$(sed -n '5p' "$TIMES" | tr -d '\r')
    [ "$first" = "$PLACE" ] || fail "the times file names the place \"$first\", not \"$PLACE\""
    [ "$coords" = "$PLACE_COORDS" ] || fail "the times file's coordinates line is \"$coords\", not \"$PLACE_COORDS\""
    # 366 days in order.
    sed -n '13,378p' "$TIMES" | awk -F, '{ if ($1 + 0 != NR) { print "day line " NR " reads " $0; exit 1 } }' \
        || fail "the day lines are not DayNo 1 to 366 in order"
}
PLACE="Aiaccio"
PLACE_COORDS=$(printf ' 41.92%8s 8.666%8s 1' '' '')

# The six times of a day's record, as the windows show them ("6:29 AM").
times_of_day() {  # DayNo
    grep "^ $1, " "$TIMES" | tr -d '\r' | awk -F'#' '{ for (i = 2; i <= 12; i += 2) print $i }' |
        sed 's/^ *//; s/^:/12:/'
}
day_no_of() {  # epoch seconds
    local before=(0 0 31 60 91 121 152 182 213 244 274 305 335)
    echo $(( before[10#$(date -d "@$1" +%m)] + 10#$(date -d "@$1" +%d) ))
}

create_file 1
wait_until 15 "the text viewer was never asked to open the times file" viewer_called 1
check_times_file
# What the preview showed for the place is what the file holds for today.
mapfile -t today_times < <(times_of_day "$(day_no_of "$(date +%s)")")
[ ${#today_times[@]} = 6 ] || fail "the times file holds no record for today"
preview=$(convert "$WORK/ocr/preview.png" -colorspace Gray -resize 300% png:- 2>/dev/null |
          timeout 30 tesseract - - 2>/dev/null | tee "$WORK/ocr/preview.txt" | tr -d ' \t\n')
for t in "${today_times[@]}"; do
    [[ "$preview" == *"${t// /}"* ]] || fail "the preview did not show today's time $t of the file (read: $WORK/ocr/preview.txt)"
done
log "the preview showed today's times of the file: ${today_times[*]}"
expected_viewer_call=$BIN/AzaanTimes.dat
[ "$(sed -n 1p "$VIEWER_CALLS")" = "$expected_viewer_call" ] \
    || fail "the text viewer was asked to open \"$(sed -n 1p "$VIEWER_CALLS")\", not \"$expected_viewer_call\""
log "times file written, 385 lines CR LF; the viewer opened $(sed -n 1p "$VIEWER_CALLS")"

# Once more: the file exists now, so the calculator asks before writing over it.
first_header=$(sed -n 6p "$TIMES")
sleep 1.1   # a later creation time on header line 6
create_file 2
wait_until 15 "the text viewer was not asked again after the file was written over" viewer_called 2
check_times_file
[ "$(sed -n 6p "$TIMES")" != "$first_header" ] || fail "the times file was not written again"
log "times file written over after the question"

kill -TERM -- "-$vgroup" 2>/dev/null   # there is no window manager to close its window
wait_until 10 "the calculator did not end" bash -c "! kill -0 $velstra 2>/dev/null"

# ---- step 2 prepared: today's Fajr in the minute of the announcer's first tick --

STEP="3 prepare the prayer minute"
# The first tick comes 59 s after the announcer's window is made (a timer this
# long keeps whole seconds: give it one either way). Starting while the clock's
# seconds read 5 to 40 puts that tick, with up to some 15 s of start-up, into
# the next minute.
early_in_minute() { local s; s=$(date +%S); s=$((10#$s)); [ "$s" -ge 5 ] && [ "$s" -le 40 ]; }
wait_until 65 "the clock never reached the early part of a minute" early_in_minute
T0=$(date +%s)
FAJR_AT=$((T0 - T0 % 60 + 60))
hour=$((10#$(date -d "@$FAJR_AT" +%H)))
minute=$(date -d "@$FAJR_AT" +%M)
ampm=AM; [ "$hour" -ge 12 ] && ampm=PM
h12=$((hour % 12)); [ "$h12" = 0 ] && h12=12
FAJR_FIELD=$(printf '%3d:%s %s' "$h12" "$minute" "$ampm")     # as the file writes it: "  5:07 AM"
FAJR_TEXT="$h12:$minute $ampm"                                  # as the announcer shows it
DAYNO=$(day_no_of "$FAJR_AT")
LOG_DATE=$(date -d "@$FAJR_AT" +%d-%m-%y)
sed -i "/^ $DAYNO, /s/,#[^#]*#/,#$FAJR_FIELD#/" "$TIMES"
today_line=$(grep "^ $DAYNO, " "$TIMES" | tr -d '\r')
case "$today_line" in
    *",#$FAJR_FIELD#,#"*) ;;
    *) fail "today's record (DayNo $DAYNO) could not be given Fajr $FAJR_FIELD: $today_line" ;;
esac
[ "$(grep -c $'\r$' "$TIMES")" = 385 ] || fail "editing today's record broke the file's lines"
log "today is DayNo $DAYNO; Fajr set to $FAJR_TEXT: $today_line"

# ---- step 2: the announcer in the tray ------------------------------------------

STEP="2 announcer docks in the tray"
spawn azaan "$BIN/azaan"
agroup=$SPAWNED
azaan=$(child_of "$agroup") || fail "azaan did not start"
azaan_windows() { xdotool search --pid "$azaan" 2>/dev/null | while read -r w; do hex "$w"; done | sort; }
# The announcer's own windows embedded in the tray host.
azaan_tray_icons() { comm -12 <(tray_windows) <(azaan_windows); }
docked() { [ -n "$(azaan_tray_icons)" ]; }
wait_until 30 "the announcer's icon never docked in the tray" docked
ICON=$(azaan_tray_icons | head -n1)
[ "$(azaan_tray_icons | wc -l)" = 1 ] || fail "the announcer docked more than one icon: $(azaan_tray_icons | tr '\n' ' ')"
log "tray icon $ICON docked"
azaan_main() { windows_of "$azaan" "Kelvora - v3.2"; }
main_shown() { [ -n "$(azaan_main)" ]; }
wait_until 20 "the announcer's window \"Kelvora - v3.2\" never appeared" main_shown
AZAAN=$(azaan_main | head -n1)
# Its clock started when the window was made, by now at the latest.
[ "$(date +%s)" -le $((FAJR_AT - 3)) ] ||
    fail "the announcer took until $(date +%T) to show its window: its first tick may miss $FAJR_TEXT"
shot "announcer-started"

STEP="2 announcer shows the day"
# It hides itself soon after start unless the mouse comes over it; the tray brings it back.
wait_until 10 "the announcer's window did not hide itself after start" is_gone_or_hidden "$AZAAN"
shot "announcer-hidden"
click_at "$ICON" 8 8 1
wait_until 10 "a left click on the tray icon did not show the window" is_viewable "$AZAAN"
sleep 0.8
shot "announcer-shows-the-day"
mapfile -t shown_times < <(times_of_day "$(day_no_of "$T0")")
expect_shown "$AZAAN" "announcer-day" "the announcer's day" "$PLACE" "${shown_times[@]}"
log "the announcer shows $PLACE and today's times ${shown_times[*]}"

STEP="2 a second announcer is refused"
spawn azaan-second "$BIN/azaan"
a2group=$SPAWNED
azaan2=$(child_of "$a2group") || fail "the second azaan did not start"
wait_until 20 "the second announcer showed no message box \"Kelvora\"" has_window "$azaan2" "Kelvora"
REFUSAL=$(new_window_of "$azaan2" "Kelvora")
expect_shown "$REFUSAL" "second-instance" "the second announcer's message" "An instance of Kelvora is already running."
[ -z "$(windows_of "$azaan2" "Kelvora - v3.2")" ] || fail "the second announcer opened a main window of its own"
answer_box "$azaan2" "Kelvora" Return "second-instance-refused"
second_ended() { ! alive "$azaan2"; }
wait_until 10 "the second announcer did not end after its message" second_ended
wait "$a2group"; status=$?
[ "$status" -lt 124 ] || fail "the second announcer was ended by force (status $status)"
[ "$(azaan_tray_icons | wc -l)" = 1 ] || fail "the tray does not hold exactly the first announcer's icon"
alive "$azaan" || fail "the first announcer ended when the second was refused"

# ---- step 3: the prayer minute ---------------------------------------------------

STEP="3 call to prayer at Fajr"
LOG=$BIN/azaan.log
log_lines() { if [ -f "$LOG" ]; then tail -n +3 "$LOG" | grep -c .; else echo 0; fi; }
logged() { [ "$(log_lines)" -ge 1 ]; }
deadline=$((T0 + 59 + 20 - $(date +%s)))
[ "$deadline" -gt 0 ] || fail "the steps before the prayer minute took too long"
log "waiting up to ${deadline}s for the first tick in $FAJR_TEXT"
wait_until "$deadline" "no line reached azaan.log in the minute of Fajr ($FAJR_TEXT)" logged
sleep 1
player_files=$(ls -l "/proc/$azaan/fd" 2>/dev/null | grep -o '[^ ]*\.mp3' | sort -u | tr '\n' ' ')
shot "call-to-prayer"
[ "$(log_lines)" = 1 ] || fail "azaan.log holds $(log_lines) lines after its header, not 1"
header=$(sed -n 1p "$LOG" | tr -d '\r')
rule=$(sed -n 2p "$LOG" | tr -d '\r')
line=$(sed -n 3p "$LOG")
case "$header" in "This is the log file for Kelvora [Re-created on "*"]") ;;
    *) fail "azaan.log's header reads \"$header\"" ;; esac
[ "$rule" = "$(printf '%69s' '' | tr ' ' -)" ] || fail "azaan.log's second line is not a rule of 69 dashes: \"$rule\""
case "$line" in $'\r') ;; *$'\r') ;; *) fail "azaan.log's line does not end with CR LF" ;; esac
line=${line%$'\r'}
case "$line" in
    "$PLACE   $LOG_DATE   "*":"*"$FAJR_TEXT   "*) ;;
    *) fail "azaan.log's line does not name the place, date and Fajr $FAJR_TEXT: \"$line\"" ;;
esac
case "$line" in *"    0.00"*"     .98") ;;
    *) fail "azaan.log's line does not show the prayer minute (0.00) and the tick (.98): \"$line\"" ;; esac
log "azaan.log: $line"
if [ -n "$player_files" ]; then log "the media player holds $player_files"
else log "the media player holds no recording open (no sound device here, tolerated)"; fi

# A right click on the tray icon: MENU is the pop-up menu, known_windows the
# announcer's windows in sight before it opened.
open_tray_menu() {
    known_windows=$(xdotool search --onlyvisible --pid "$azaan" 2>/dev/null | tr '\n' ' ')
    click_at "$ICON" 8 8 3
    # shellcheck disable=SC2086  # the known windows are separate words
    wait_until 10 "a right click on the tray icon opened no menu" other_window_of "$azaan" $known_windows
    MENU=$(other_window_of "$azaan" $known_windows)
    sleep 0.3
}

# ---- step 3b: the About box carries no name -------------------------------------

STEP="3b About box without a name"
open_tray_menu
# "About ..." is the menu's first item.
xdotool key --delay 100 Down Return
# shellcheck disable=SC2086
about_open() { other_window_of "$azaan" $known_windows $MENU >/dev/null; }
wait_until 5 "\"About ...\" opened no window" about_open
# shellcheck disable=SC2086
ABOUT=$(other_window_of "$azaan" $known_windows $MENU)
names=$(xprop -id "$ABOUT" WM_NAME _NET_WM_NAME 2>&1)
shot "about-box"
case "$names" in
    *'WM_NAME(STRING) = '$'\n''_NET_WM_NAME(UTF8_STRING) = ') ;;
    *) fail "the About box carries a name: $names" ;;
esac
keys_to "$ABOUT" Escape
wait_until 5 "Esc did not close the About box" is_gone_or_hidden "$ABOUT"
log "the About box $ABOUT has empty WM_NAME and _NET_WM_NAME"

# ---- step 4: "Exit" from the tray menu ------------------------------------------

STEP="4 Exit from the tray menu"
open_tray_menu
shot "tray-menu"
expect_shown "$MENU" "tray-menu" "the tray menu" "Log book" "Close window" "Exit"
# "Exit" is the menu's last item.
xdotool key --delay 100 Up Return
azaan_ended() { ! alive "$azaan"; }
wait_until 10 "the announcer did not end after \"Exit\"" azaan_ended
wait "$agroup"; status=$?
[ "$status" = 0 ] || fail "the announcer ended with status $status after \"Exit\""
tray_as_before() { [ "$(tray_windows)" = "$TRAY_BEFORE" ]; }
wait_until 5 "the announcer's icon stayed in the tray after \"Exit\"" tray_as_before
sleep 0.3
shot "after-exit"
log "menu $MENU; after Exit the announcer ended and its icon left the tray"

STEP="done"
log "PASS: the road from the calculator to the call to prayer and the tray's Exit"
