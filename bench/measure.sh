#!/usr/bin/env bash
# Whole-process figures on the largest release (1.07-EU, 676 files), run by hand:
#   bench/measure.sh [BUILD_DIR]
# - the time of `vorn2edit --dump` against `cp` of the dump file it writes;
# - the peak memory (maximum resident set) of a dump and of an interactive session that
#   visits the Files section in research mode;
# - the system calls of a dump and of one research-mode move of the field cursor in Files
#   (strace -c; the move is the difference of two sessions, one with 20 extra moves).
# Needs GNU time (/usr/bin/time), strace and tmux; what is missing is skipped.
set -u
build=$(readlink -f "${1:-build}")
editor=$build/vorn2edit
work=$(mktemp -d)
socket="vorn2measure-$$"
sessions=0
trap 'tmux -L "$socket" kill-server >/dev/null 2>&1; rm -rf "$work"' EXIT
cd "$work" || exit 1
"$build/make_sample" --release 1.07-EU VORN2.EXE || exit 1
"$editor" --dump VORN2.EXE || exit 1
echo "game file: $(stat -c %s VORN2.EXE) bytes; rules dump: $(stat -c %s rules-1.07-EU.ini) bytes"

runs=200
seconds() { # command... : wall seconds of $runs runs
  local start end
  start=$(date +%s.%N)
  for ((i = 0; i < runs; ++i)); do "$@" || return 1; done
  end=$(date +%s.%N)
  echo "$start $end" | awk '{ printf "%.6f", $2 - $1 }'
}
dump=$(seconds "$editor" --dump VORN2.EXE)
copy=$(seconds cp rules-1.07-EU.ini copy.ini)
awk -v d="$dump" -v c="$copy" -v n="$runs" 'BEGIN {
  printf "vorn2edit --dump: %.2f ms per run; cp of the dump: %.2f ms per run; ratio %.2f (goal <= 5)\n",
         1000 * d / n, 1000 * c / n, d / c }'

if [ -x /usr/bin/time ]; then
  /usr/bin/time -f "peak memory of a dump: %M KiB (goal <= 10240)" "$editor" --dump VORN2.EXE
fi

if command -v strace >/dev/null 2>&1; then
  strace -c -o dump.strace "$editor" --dump VORN2.EXE
  echo "system calls of a dump: $(awk '/ total$/ { print $(NF - 2) }' dump.strace)" \
    "(pread64: $(awk '$NF == "pread64" { print $4 }' dump.strace))"
fi

command -v tmux >/dev/null 2>&1 || { echo "no tmux: the interactive figures are skipped"; exit 0; }
tm() { tmux -L "$socket" "$@"; }
wait_for() {
  local deadline=$((SECONDS + 10))
  while [ $SECONDS -lt $deadline ]; do
    tm capture-pane -p -t m 2>/dev/null | grep -qF -- "$1" && return 0
    sleep 0.05
  done
  echo "timed out waiting for '$1'" >&2
  return 1
}
key() { tm send-keys -t m "$@"; sleep 0.05; }
# Runs the editor under the given wrapper, goes to Files in research mode, moves the field
# cursor `moves` extra times and ends with Escape.
session() {
  local moves=$1
  shift
  tm kill-server >/dev/null 2>&1
  # A fresh server for every session, so that one still shutting down cannot take the next.
  sessions=$((sessions + 1))
  socket="vorn2measure-$$-$sessions"
  tm -f /dev/null new-session -d -s m -x 80 -y 25 \
    "cd '$work' && TERM=xterm-256color $* '$editor' VORN2.EXE; sleep 600"
  tm set-option -g escape-time 0 >/dev/null
  wait_for "File: [VORN2.EXE]" || return 1
  key End
  wait_for "VOC.PAK" || return 1
  key F11
  key Right
  key Right
  # Slowly enough that every move is handled on its own even under strace: keys that
  # arrive together count once.
  for ((i = 0; i < moves; ++i)); do
    key Down
    sleep 0.25
    key Up
    sleep 0.25
  done
  key Escape
  wait_for "Have fun" || return 1
}
if [ -x /usr/bin/time ]; then
  session 10 /usr/bin/time -o "$work/session.time" -f "%M" &&
    echo "peak memory of an interactive session in research mode: $(cat session.time) KiB (goal <= 10240)"
fi
if command -v strace >/dev/null 2>&1; then
  session 0 strace -c -o "$work/base.strace" && session 10 strace -c -o "$work/moves.strace" &&
    awk '
      FNR == 1 { file++ }
      $NF != "total" && $NF ~ /^[a-z_0-9]+$/ && $4 ~ /^[0-9]+$/ { calls[file, $NF] = $4; names[$NF] = 1 }
      END {
        line = ""; total = 0
        for (n in names) {
          d = (calls[2, n] - calls[1, n]) / 20
          if (d > 0) { line = line sprintf(" %s %.1f", n, d); total += d }
        }
        printf "system calls of one research-mode move in Files: %.1f (%s )\n", total, line
      }' base.strace moves.strace
fi
