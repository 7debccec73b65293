#!/usr/bin/env bash
# The real program, started as a user starts it, ends when the user ends it: the window
# manager's close of the entry window, "Evet" to the question, and the process is gone with
# status 0. Runs inside with-desktop.sh. Arguments: the velkor and velkor-cli programs.
set -euo pipefail
velkor="$1"
cli="$2"
home=$(mktemp -d)
trap 'kill "${pid:-0}" 2>/dev/null || true; rm -rf "$home"' EXIT
"$cli" --home "$home" init >/dev/null
# A source build keeps its installation folder beside the program.
cp "$velkor" "$home/velkor"
(cd "$home" && exec ./velkor) &
pid=$!

window=$(xdotool search --sync --onlyvisible --name 'Velkor' | head -1)
[ -n "$window" ] || { echo "HATA: pencere açılmadı"; exit 1; }
geometry=$(xdotool getwindowgeometry "$window")
echo "PENCERE: $geometry"
[ -n "${VELKOR_SHOTS:-}" ] && mkdir -p "$VELKOR_SHOTS" && import -window root "$VELKOR_SHOTS/acilis.png"

# The window manager's close (openbox: Alt+F4), then the question. The window manager may
# not yet announce that it activates windows when the first window appears: the activation
# is tried again until it takes. The keys go through the X server as a user's do: sent to
# the window alone, the window manager missed Alt's release and kept the keyboard and the
# pointer for itself, so that the question took neither a key nor a click (one run in five).
for _ in $(seq 1 50); do
  xdotool windowactivate --sync "$window" 2>/dev/null && break
  sleep 0.1
done
xdotool key alt+F4
question=""
for _ in $(seq 1 50); do
  question=$(xdotool search --onlyvisible --name '^Velkor Enflasyon Düzeltme' 2>/dev/null | grep -v "^$window$" | head -1 || true)
  [ -n "$question" ] && break
  sleep 0.2
done
[ -n "$question" ] || { echo "HATA: kapatma sorusu gelmedi"; exit 1; }
[ -n "${VELKOR_SHOTS:-}" ] && import -window root "$VELKOR_SHOTS/kapatma-sorusu.png"
# "Evet" is the question's default button. A key sent while the box is still being mapped
# is lost: while the box stays open, Return is pressed again, as a user presses it again.
for attempt in $(seq 0 99); do
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"
    status=$?
    echo "ÇIKIŞ: $status"
    exit "$status"
  fi
  if [ $((attempt % 20)) -eq 0 ] && xdotool getwindowname "$question" >/dev/null 2>&1; then
    xdotool windowactivate --sync "$question" key Return 2>/dev/null || true
  fi
  sleep 0.1
done
echo "HATA: program kapanmadı"
exit 1
