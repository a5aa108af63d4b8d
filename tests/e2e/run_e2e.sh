#!/usr/bin/env bash
# End-to-end tests of the real program in a tmux window of exactly 80x25: the screen it
# draws, a few colours, the information screens, the keys of several terminal types, the
# exit paths and what is left on the terminal afterwards.
#
# usage: run_e2e.sh VORN2EDIT MAKE_SAMPLE
# Exit status 0 when every check passed, 1 when one failed, 77 (skipped) without tmux.
set -u

editor=$(readlink -f "$1")
make_sample=$(readlink -f "$2")

if ! command -v tmux >/dev/null 2>&1; then
  echo "e2e: tmux is not installed, the end-to-end tests are SKIPPED"
  exit 77
fi

work=$(mktemp -d)
socket="vorn2e2e-$$"
trap 'tmux -L "$socket" kill-server >/dev/null 2>&1; rm -rf "$work"' EXIT
"$make_sample" "$work/VORN2.EXE" || exit 1
cp "$work/VORN2.EXE" "$work/pristine.exe"

passed=0
failed=0

tm() { tmux -L "$socket" "$@"; }
runs=0

screen() { tm capture-pane -p -t e2e 2>/dev/null; }
screen_colours() { tm capture-pane -p -e -t e2e 2>/dev/null; }

# Starts the editor with TERM=$1 and the rest as its arguments; the shell prints the exit
# status afterwards and keeps the pane open.
start() {
  local term=$1
  shift
  tm kill-server >/dev/null 2>&1
  # A fresh server for every run, so that one still shutting down cannot take the next.
  runs=$((runs + 1))
  socket="vorn2e2e-$$-$runs"
  local command="cd '$work' && env TERM=$term LANG=C.UTF-8 LC_ALL=C.UTF-8 '$editor'"
  for arg in "$@"; do command+=" '$arg'"; done
  command+="; echo EXIT=\$?; sleep 600"
  tm -f /dev/null new-session -d -s e2e -x 80 -y 25 "$command"
  tm set-option -g escape-time 0 >/dev/null
  tm set-option -g status off >/dev/null
}

report() {
  local ok=$1 what=$2
  if [ "$ok" = 0 ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $what"
    echo "----- screen -----"
    screen
    echo "------------------"
  fi
}

# Waits (up to 5 seconds) until the screen contains the text.
wait_for() {
  local text=$1 deadline=$((SECONDS + 5))
  while [ $SECONDS -lt $deadline ]; do
    if screen | grep -qF -- "$text"; then return 0; fi
    sleep 0.05
  done
  return 1
}

# Waits until the screen no longer contains the text.
wait_gone() {
  local text=$1 deadline=$((SECONDS + 5))
  while [ $SECONDS -lt $deadline ]; do
    if ! screen | grep -qF -- "$text"; then return 0; fi
    sleep 0.05
  done
  return 1
}

expect() { wait_for "$1"; report $? "$2: expected '$1' on the screen"; }
expect_gone() { wait_gone "$1"; report $? "$2: expected '$1' to disappear"; }
expect_line() {
  local number=$1 text=$2 what=$3 deadline=$((SECONDS + 5)) ok=1
  while [ $SECONDS -lt $deadline ]; do
    if [ "$(screen | sed -n "${number}p")" = "$text" ]; then ok=0; break; fi
    sleep 0.05
  done
  report $ok "$what: line $number should read '$text'"
}

hex_of() { printf '%s' "$1" | od -An -tx1 | tr -s ' \n' ' '; }
send_hex() {
  tm send-keys -t e2e -H $1
  sleep 0.05
}
send_text() { tm send-keys -t e2e -l "$1"; }
send_seq() { send_hex "$(hex_of "$1")"; }
# Keys typed one by one, as a person types: keys that arrive faster than the editor
# handles them count only once.
type_slowly() {
  local key
  for key in "$@"; do
    send_hex "$key"
    sleep 0.1
  done
}

# ---------------------------------------------------------------------------------------
# The main screen, its colours, the information screens and Escape, under tmux's own TERM.

start tmux-256color VORN2.EXE
expect "File: [VORN2.EXE]" "main screen"
expect_line 1 "══ Vorn II Editor 1.0 ═══════════════════════════════════════════ by Brannick ══" "title bar"
expect_line 2 " File: [VORN2.EXE]$(printf '%40s' '')Vorn Version: 1.07-US" "header line"
expect_line 4 "║  Units                  ║│  Short name ID            │  100                  │" "first section row"
expect_line 25 " F1=help F2/F3/F4/F5=bin/hex/[d/D]ec F7/F8=save/load ini  F10=ini dump F12=info" "key legend"
expect_line 9 "│  Carryall               ││  Is factory            *  │  No                   │" "first item row"
# The cursor row of the focused pane is yellow on red; the white "V" of the header.
row4=$(screen_colours | sed -n 4p)
case "$row4" in
  *"[93;41m"* | *"[93m"*"[41m"* | *"[38;5;11;41m"* | *"41;93m"*) report 0 "" ;;
  *) report 1 "cursor row colours: got $(printf '%q' "$row4")" ;;
esac
row2=$(screen_colours | sed -n 2p)
case "$row2" in
  *"[97m"*"V"* | *"[1m"*"V"* | *"38;5;15m"*"V"* | *"[97;44m"*"V"*) report 0 "" ;;
  *) report 1 "white V in the header: got $(printf '%q' "$row2")" ;;
esac

send_seq "$(tput -T tmux-256color kf1)"
expect "Left/Right  : Navigate between sections" "key legend popup"
send_text x
expect_gone "Left/Right" "closing the key legend"
send_seq "$(tput -T tmux-256color kcuf1)"
send_seq "$(tput -T tmux-256color kcuf1)"
send_text h
expect "[HELP]" "field help"
expect "The NAME ID is a value that refers to an index" "field help text"
send_text q
expect_gone "[HELP]" "closing the field help"
send_text v
expect "[GAME VERSION INFO]" "version screen"
expect "The updated version of the English-only US" "version description"
send_seq "$(tput -T tmux-256color kf5)"
expect_gone "[GAME VERSION INFO]" "an extended key closes the version screen"
send_hex 1b
expect "Program exited. Have fun!" "Escape acts at once and says farewell"
expect "EXIT=0" "exit status after Escape"
expect_line 1 "══ Vorn II Editor 1.0 ═══════════════════════════════════════════ by Brannick ══" "title line left on the terminal"
cmp -s "$work/VORN2.EXE" "$work/pristine.exe"
report $? "browsing changed the game file"

# ---------------------------------------------------------------------------------------
# The overview's edit: Units, the third unit, "Hit points", Enter, 300, Enter.

start xterm-256color VORN2.EXE
expect "File: [VORN2.EXE]" "editing: main screen"
send_seq "$(tput -T xterm-256color kcuf1)"
send_seq "$(tput -T xterm-256color kcud1)"
send_seq "$(tput -T xterm-256color kcud1)"
send_seq "$(tput -T xterm-256color kcuf1)"
send_seq "$(tput -T xterm-256color knp)"
send_seq "$(tput -T xterm-256color kcud1)"
send_seq "$(tput -T xterm-256color kcud1)"
expect "║↓ $(printf '%-23s' 'Hit points')  ║  150" "editing: the field"
send_hex 0d
expect "[EDIT]" "editing: the edit popup"
expect "Option    : Hit points" "editing: the option row"
type_slowly 7f 7f 7f 33 30 30 0d
expect_gone "[EDIT]" "editing: the popup closes"
expect "$(printf '%-23s' 'Hit points')  ║  300" "editing: the new value is shown"
got=$(od -An -tx1 -j $((0x2FCB0 + 2 * 90 + 16)) -N 2 "$work/VORN2.EXE" | tr -d ' ')
[ "$got" = "2c01" ]
report $? "editing: bytes 2C 01 written at 0x2FCB0 + 2 x 90 + 16 (got $got)"
send_hex 1b
expect "EXIT=0" "editing: exit"
cp "$work/pristine.exe" "$work/VORN2.EXE"

# ---------------------------------------------------------------------------------------
# Keys of every installed terminal type: the sequences its terminfo entry says it sends.

key_effects() {
  local term=$1
  local -A seq
  for cap in kf1 kf2 kf3 kf4 kf5 kf7 kf8 kf9 kf10 kf11 kf12 kcuu1 kcud1 kcub1 kcuf1 khome kend kpp knp; do
    seq[$cap]=$(tput -T "$term" "$cap" 2>/dev/null)
  done
  start "$term" VORN2.EXE
  expect "File: [VORN2.EXE]" "$term: main screen"
  send_seq "${seq[kcud1]}"
  expect "Concrete Slab" "$term: Down selects Structures"
  send_seq "${seq[kcuu1]}"
  expect "Carryall" "$term: Up selects Units"
  send_seq "${seq[kend]}"
  expect "VOC.PAK" "$term: End selects Files"
  send_seq "${seq[khome]}"
  expect "Carryall" "$term: Home selects Units"
  send_seq "${seq[knp]}"
  expect "Harkonnen" "$term: Page Down selects Houses"
  send_seq "${seq[kpp]}"
  expect "Carryall" "$term: Page Up selects Units"
  send_seq "${seq[kcuf1]}"
  send_seq "${seq[kcud1]}"
  expect "$(printf '%-23s' 'Name string reference')  │  'Thopter" "$term: Right then Down selects the second unit"
  send_seq "${seq[kcub1]}"
  send_seq "${seq[kcud1]}"
  expect "Concrete Slab" "$term: Left returns to the sections"
  send_seq "${seq[kcuu1]}"
  send_seq "${seq[kcuf1]}"
  local -A popup=([kf2]="[BIN EDIT]" [kf3]="[HEX EDIT]" [kf4]="[DEC EDIT SIGNED]" [kf5]="[DEC EDIT UNSIGNED]")
  for cap in kf2 kf3 kf4 kf5; do
    send_seq "${seq[$cap]}"
    expect "${popup[$cap]}" "$term: $cap opens ${popup[$cap]}"
    send_hex 1b
    expect_gone "${popup[$cap]}" "$term: Escape closes ${popup[$cap]}"
  done
  local -A info=([kf1]="[HELP]" [kf9]="[GAME VERSION INFO]" [kf12]="[INFO]" [kf10]="[GAME INFO DUMP]"
                 [kf7]="[GAME INFO DUMP]" [kf8]="[GAME INFO LOAD]")
  for cap in kf1 kf9 kf12 kf10 kf7 kf8; do
    send_seq "${seq[$cap]}"
    expect "${info[$cap]}" "$term: $cap opens ${info[$cap]}"
    send_text " "
    expect_gone "${info[$cap]}" "$term: a key closes ${info[$cap]}"
  done
  send_seq "${seq[kf11]}"
  expect "Carryall     0064" "$term: F11 switches research mode on"
  send_seq "${seq[kf11]}"
  expect_gone "Carryall     0064" "$term: F11 switches research mode off"
  # Alt+x arrives as Escape immediately followed by x: it must do nothing at all.
  local before
  before=$(screen)
  tm send-keys -t e2e M-x
  sleep 0.3
  [ "$(screen)" = "$before" ]
  report $? "$term: Alt+x does nothing"
  send_hex 1b
  expect "EXIT=0" "$term: Escape ends the editor"
  rm -f "$work"/rules-*.ini
}

for term in xterm-256color screen-256color tmux-256color linux rxvt-unicode; do
  if infocmp "$term" >/dev/null 2>&1; then
    key_effects "$term"
  else
    echo "e2e: no terminfo entry for $term, its key tests are skipped"
  fi
done

# ---------------------------------------------------------------------------------------
# Start-up failures: the error screen, a key ends the program with status 1.

start xterm-256color missing.exe
expect "Error opening \"$work/missing.exe\"." "missing file: error line"
expect_line 5 "Press any key to continue. . ." "missing file: prompt on row 5"
send_text " "
expect "EXIT=1" "missing file: exit status 1"

head -c 5000 /dev/urandom >"$work/random.exe"
start xterm-256color random.exe
expect 'ERROR: Cannot identify the Vorn 2 version of the file "RANDOM.EXE".' "unknown file: error line"
send_text " "
expect "EXIT=1" "unknown file: exit status 1"

echo "e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
