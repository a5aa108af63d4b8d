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
# status afterwards and keeps the pane open. Optional settings for one run, given as
# assignments in front of the call (name=value start ...):
#   locale=C       the locale of the editor (C.UTF-8 otherwise)
#   tty_report=1   after the exit status the shell prints "TTY=" and the icanon and echo
#                  flags of the terminal as stty gives them ("TTY=icanon echo" when sane)
#   gate=FILE      the editor starts only once FILE exists, so that its output can be
#                  recorded from the first byte (see record_output)
start() {
  local term=$1
  shift
  tm kill-server >/dev/null 2>&1
  # A fresh server for every run, so that one still shutting down cannot take the next.
  runs=$((runs + 1))
  socket="vorn2e2e-$$-$runs"
  local lang=${locale:-C.UTF-8}
  local command="cd '$work' && "
  if [ -n "${gate:-}" ]; then command+="until [ -e '$gate' ]; do sleep 0.02; done && "; fi
  command+="env TERM=$term LANG=$lang LC_ALL=$lang '$editor'"
  for arg in "$@"; do command+=" '$arg'"; done
  command+="; echo EXIT=\$?"
  if [ -n "${tty_report:-}" ]; then
    command+="; echo TTY=\$(stty -a | tr ' ;' '\n\n' | grep -xE -- '-?(icanon|echo)' | paste -sd' ')"
  fi
  command+="; sleep 600"
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

# ---------------------------------------------------------------------------------------
# Faults from outside the editor: the game file cut short, removed or replaced while it is
# open, signals, and a name whose bytes are control codes.

editor_pid() { pgrep -P "$(tm display -p -t e2e '#{pane_pid}')" -x vorn2edit; }
# The screen with wrapped rows joined: an error line that names a long path is one line.
screen_joined() { tm capture-pane -p -J -t e2e 2>/dev/null; }
expect_joined() {
  local text=$1 what=$2 deadline=$((SECONDS + 5)) ok=1
  while [ $SECONDS -lt $deadline ]; do
    if screen_joined | grep -qxF -- "$text"; then ok=0; break; fi
    sleep 0.05
  done
  report $ok "$what: expected the line '$text'"
}
# After a run started with tty_report=1 has ended: the normal screen is back and the
# terminal reads lines and echoes again.
expect_restored() {
  local what=$1
  expect "TTY=icanon echo" "$what: the terminal's line mode and echo are back"
  [ "$(tm display -p -t e2e '#{alternate_on}')" = 0 ]
  report $? "$what: the alternate screen is off after the exit"
}
file_size() { stat -c %s "$work/VORN2.EXE"; }

# The overview's edit up to the open popup with 300 typed, on xterm-256color keys.
type_300_into_hit_points() {
  local what=$1 cap
  expect "File: [VORN2.EXE]" "$what: main screen"
  for cap in kcuf1 kcud1 kcud1 kcuf1 knp kcud1 kcud1; do
    send_seq "$(tput -T xterm-256color "$cap")"
  done
  expect "║↓ $(printf '%-23s' 'Hit points')  ║  150" "$what: the field"
  send_hex 0d
  expect "[EDIT]" "$what: the edit popup"
  type_slowly 7f 7f 7f 33 30 30
}

hit_points_at=$((0x2FCB0 + 2 * 90 + 16))
cut_report="vorn2edit: \"$work/VORN2.EXE\": the game file was cut short to 4096 bytes"
gone_report="vorn2edit: \"$work/VORN2.EXE\": the game file was removed"

# Another program changes the file while the main screen is shown (a key follows) or while
# 300 waits in the edit popup (Enter writes it). Every case ends with the report on the
# restored terminal, exit status 1, and nothing written where the file was.
#   case name       | moment | what the other program does
fault_cases=(
  "cut short|key|truncate -s 4096 VORN2.EXE"
  "removed|key|rm VORN2.EXE"
  "replaced|key|cp pristine.exe other.exe && mv other.exe VORN2.EXE"
  "cut short before a write|write|truncate -s 4096 VORN2.EXE"
  "removed before a write|write|rm VORN2.EXE"
)
for fault in "${fault_cases[@]}"; do
  IFS='|' read -r name moment action <<<"$fault"
  cp "$work/pristine.exe" "$work/VORN2.EXE"
  tty_report=1 start xterm-256color VORN2.EXE
  if [ "$moment" = key ]; then
    expect "File: [VORN2.EXE]" "$name: main screen"
  else
    type_300_into_hit_points "$name"
  fi
  (cd "$work" && eval "$action")
  if [ "$moment" = key ]; then
    send_seq "$(tput -T xterm-256color kcud1)"
  else
    send_hex 0d
  fi
  # The report is checked once the editor has ended: it must stand on the normal screen.
  expect "EXIT=1" "$name: exit status 1"
  case $name in
    cut*) expect_joined "$cut_report" "$name: the report" ;;
    *) expect_joined "$gone_report" "$name: the report" ;;
  esac
  expect_restored "$name"
  case $name in
    cut*)
      [ "$(file_size)" = 4096 ]
      report $? "$name: the file keeps its 4096 bytes (now $(file_size))"
      ;;
    removed*)
      [ ! -e "$work/VORN2.EXE" ]
      report $? "$name: nothing was created in the removed file's place"
      ;;
    replaced*)
      cmp -s "$work/VORN2.EXE" "$work/pristine.exe"
      report $? "$name: the replacing file is untouched"
      ;;
  esac
done
cp "$work/pristine.exe" "$work/VORN2.EXE"

# A signal while the edit popup holds a half-typed value, after one confirmed change: the
# terminal is given back, the editor dies of the signal, and the file holds exactly the
# confirmed change (150 = 96 00 became 300 = 2C 01; cmp -l gives 1-based offsets in octal).
confirmed_change="$((hit_points_at + 1)) 226 54
$((hit_points_at + 2)) 0 1"
for signal in TERM HUP INT; do
  cp "$work/pristine.exe" "$work/VORN2.EXE"
  tty_report=1 start xterm-256color VORN2.EXE
  type_300_into_hit_points "SIG$signal"
  send_hex 0d
  expect_gone "[EDIT]" "SIG$signal: the first edit is confirmed"
  send_hex 0d
  expect "[EDIT]" "SIG$signal: the popup opens again"
  type_slowly 37
  expect "3007" "SIG$signal: the half-typed value"
  pid=$(editor_pid)
  [ -n "$pid" ] && kill -s "$signal" "$pid"
  report $? "SIG$signal: the editor's process was found and signalled"
  expect "EXIT=$((128 + $(kill -l "$signal")))" "SIG$signal: the exit status is that of the signal"
  expect_restored "SIG$signal"
  changes=$(cmp -l "$work/pristine.exe" "$work/VORN2.EXE" | awk '{print $1, $2, $3}')
  [ "$changes" = "$confirmed_change" ]
  report $? "SIG$signal: only the confirmed change is in the file (got: $changes)"
done
cp "$work/pristine.exe" "$work/VORN2.EXE"

# A name made of ESC, CR, BEL, BS and the bytes 0x80, 0xB0, 0xDB and 0xFF, in place of
# "Carryall" (the zero after it stays). It shows as code page 437 glyphs in the item pane
# (row 9) and in the field pane (row 5), and none of its bytes reaches the terminal as a
# control code. The output is recorded from the first byte.
record_output() {
  local file=$1
  rm -f "$work/go" "$file"
  tm pipe-pane -o -t e2e "cat >> '$file'"
  touch "$work/go"
}
# Exit status 0 when the output holds no BEL, and no escape sequence other than the control
# sequences, character set choices and keypad modes that the terminal library sends.
output_is_clean() {
  perl -0777 -ne 's/\e\[[0-?]*[ -\/]*[@-~]//g; s/\e[()*+][0-~]//g; s/\e[=>78DEMc]//g;
                  exit(/[\e\a]/ ? 1 : 0)' "$1"
}
# Waits until the editor has ended and its last bytes, those that leave the alternate
# screen, are in the recording.
wait_for_exit_and_output() {
  local file=$1 deadline=$((SECONDS + 5))
  while [ $SECONDS -lt $deadline ]; do
    if screen | grep -qF "EXIT=0" && grep -qaF $'\e[?1049l' "$file" 2>/dev/null; then return 0; fi
    sleep 0.05
  done
  return 1
}
# The main screen once it is drawn completely: two captures in a row are the same and the
# key legend, the last line, is there.
settled_screen() {
  local previous="" current deadline=$((SECONDS + 5))
  while [ $SECONDS -lt $deadline ]; do
    current=$(screen)
    if [ "$current" = "$previous" ] && grep -qF "F12=info" <<<"$current"; then break; fi
    previous=$current
    sleep 0.05
  done
  printf '%s\n' "$current"
}
# The screen of the untouched file without UTF-8, to compare with below.
locale=C start xterm-256color VORN2.EXE
reference=$(settled_screen)
send_hex 1b
expect "EXIT=0" "C locale: the untouched file's run ends"
name_at=$(grep -obUa "Carryall" "$work/pristine.exe" | head -1 | cut -d: -f1)
printf '\x1b\x0d\x07\x08\x80\xb0\xdb\xff' |
  dd of="$work/VORN2.EXE" bs=1 seek="$name_at" conv=notrunc status=none
raw="$work/output.raw"

gate="$work/go" start xterm-256color VORN2.EXE
record_output "$raw"
glyphs="←♪•◘Ç░█ "
expect_line 9 "│  $glyphs$(printf '%15s' '')││  Is factory            *  │  No                   │" "control name: item row"
expect_line 5 "║  Structures             ║│  Name string reference    │  $glyphs$(printf '%13s' '')│" "control name: field row"
expect_line 1 "══ Vorn II Editor 1.0 ═══════════════════════════════════════════ by Brannick ══" "control name: title bar"
expect_line 3 "╔═════════════════════════╗┌───────────────────────────┬───────────────────────┐" "control name: top frame"
expect_line 8 "┌─────────────────────────┐│  Generate shadow          │  No                   │" "control name: item frame"
expect_line 24 "└─────────────────────────┘└───────────────────────────┴───────────────────────┘" "control name: bottom frame"
expect_line 25 " F1=help F2/F3/F4/F5=bin/hex/[d/D]ec F7/F8=save/load ini  F10=ini dump F12=info" "control name: key legend"
send_hex 1b
wait_for_exit_and_output "$raw"
report $? "control name: the editor ends and its output was recorded"
output_is_clean "$raw"
report $? "control name: no BEL and no foreign escape sequence in the output"
iconv -f UTF-8 -t UTF-8 "$raw" >/dev/null 2>&1
report $? "control name: the output is valid UTF-8 (no raw byte of the name)"

# Without UTF-8 the glyphs are ASCII look-alikes or line-drawing characters. The screen is
# that of the untouched file apart from the eight cells of each name.
locale=C gate="$work/go" start xterm-256color VORN2.EXE
record_output "$raw"
shown=$(settled_screen)
row9=$(sed -n 9p <<<"$shown")
row5=$(sed -n 5p <<<"$shown")
[ "$(printf '%s\n' "${row9:3:8}" "${row5:58:8}" | LC_ALL=C grep -cxE '[ -~]{8}')" = 2 ]
report $? "C locale: the name shows as printable ASCII ('${row9:3:8}', '${row5:58:8}')"
patched_back=$(sed -e "9s/^\(...\).\{8\}/\1Carryall/" -e "5s/^\(.\{58\}\).\{8\}/\1Carryall/" <<<"$shown")
[ "$patched_back" = "$reference" ]
report $? "C locale: the rest of the screen is that of the untouched file"
send_hex 1b
wait_for_exit_and_output "$raw"
report $? "C locale: the editor ends and its output was recorded"
output_is_clean "$raw"
report $? "C locale: no BEL and no foreign escape sequence in the output"
! LC_ALL=C grep -qaP '[\x80-\xff]' "$raw"
report $? "C locale: no byte above 0x7F in the output"
cp "$work/pristine.exe" "$work/VORN2.EXE"

echo "e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
