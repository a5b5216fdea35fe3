#!/usr/bin/env bash
# recovery_after_kill.sh <naporis executable> <scratch dir>
# The real program on an X server of its own (Xvfb), driven with xdotool: it opens an
# inspection on step 3 from its command line, pressures are typed into the grid and the last
# one is still being typed when the program is killed with SIGKILL. Started again, it offers
# the recovery file, restores it on "Да" (the title naming the opened file, modified), and the
# restored inspection, saved under a new name through the save dialog, holds every typed
# character.
set -euo pipefail
exe=$(realpath "$1")
scratch=$2

fail() { echo "FAIL: $*" >&2; exit 1; }

if [ -z "${DISPLAY:-}" ]; then
  # -noreset: when the killed program was its only client, Xvfb would reset and refuse the
  # restarted one for a moment.
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$0" "$@"
fi

rm -rf "$scratch"
mkdir -p "$scratch/data"
export XDG_DATA_HOME=$scratch/data LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 QT_QPA_PLATFORM=xcb
recovery=$scratch/data/Напорис

# A residential building with three fire cocks, on step 3, as docs/inspection-file.md
# describes the file.
cat >"$scratch/start.naporis" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<naporis-inspection version="1" step="3">
  <general Data="2026-12-10" MestoProverki="ул. Ленина, 5" />
  <building type="Zhiloe" DlCor="true" ZalLudOtd="true" />
  <requirement JetCount="3" JetFlow="2.5" />
  <results rows="3" prepared-for="2.5" Dnas="13" CheckBox8="true" CheckBox7="true">
    <row n="1" cock="1" defects="Нет" compliance="Нет" />
    <row n="2" cock="2" defects="Нет" compliance="Нет" />
    <row n="3" cock="3" defects="Нет" compliance="Нет" />
  </results>
  <conclusion Memo1="" />
</naporis-inspection>
EOF

pids=()
cleanup() { for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done; }
trap cleanup EXIT

window_of() { # the top-level window whose title matches
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

"$exe" "$scratch/start.naporis" >"$scratch/first.log" 2>&1 &
pids+=($!)
first=$!
main=$(window_of '^start — Напорис 0\.9$') || fail "the inspection did not open: $(cat "$scratch/first.log")"
xdotool windowfocus --sync "$main"
sleep 0.5

# The pressure column of the grid: the step panel at (64, 8), the grid at (16, 120) in it,
# its frame, 45 pixels of header and the widths of columns 0 to 3 (22 + 21 + 80 + 84).
x=$((64 + 16 + 1 + 22 + 21 + 80 + 84 + 20))
y=$((8 + 120 + 1 + 45 + 8))
xdotool mousemove --window "$main" "$x" "$y" click 1
sleep 0.3
type_cell() { xdotool key F2; sleep 0.1; xdotool type --delay 120 "$1"; }
type_cell "2,5"; xdotool key Return Down
type_cell "1,7"; xdotool key Return Down
type_cell "3,"   # still being typed
# The recovery file follows within a few seconds while the cell editor stays open.
deadline=$((SECONDS + 10))
until grep -qs 'pressure="3,"' "$recovery"/recovery-*.naporis; do
  [ $SECONDS -lt $deadline ] || fail "no recovery file with the last keystroke in $recovery"
  sleep 0.2
done
kill -9 "$first"
wait "$first" 2>/dev/null || true
echo "killed with SIGKILL while the third pressure was being typed"

"$exe" >"$scratch/second.log" 2>&1 &
pids+=($!)
question=$(window_of '^Напорис$') || fail "no offer to restore: $(cat "$scratch/second.log")"
xdotool windowfocus --sync "$question"
sleep 0.3
xdotool key Return # "Да" is the default button
# The restored entries belong to the file they were typed into, and are unsaved.
main=$(window_of '^start\* — Напорис 0\.9$') || fail "no main window naming start, modified"
xdotool windowfocus --sync "$main"
sleep 0.5
xdotool key ctrl+shift+s
dialog=$(window_of '^Сохранить проверку$') || fail "no save dialog"
xdotool windowfocus --sync "$dialog"
sleep 0.5
saved=$scratch/restored.naporis
xdotool key ctrl+a
xdotool type --delay 20 "$saved"
xdotool key Return
deadline=$((SECONDS + 10))
until [ -s "$saved" ]; do
  [ $SECONDS -lt $deadline ] || fail "the restored inspection was not saved"
  sleep 0.2
done

for pressure in 'pressure="2,5"' 'pressure="1,7"' 'pressure="3,"'; do
  grep -q "$pressure" "$saved" || fail "the restored inspection lacks $pressure: $(cat "$saved")"
done
grep -q 'MestoProverki="ул. Ленина, 5"' "$saved" || fail "the restored inspection lost its address"
grep -q 'step="3"' "$saved" || fail "the restored inspection is not on step 3"
echo "restored every typed character: 2,5 1,7 3,"
