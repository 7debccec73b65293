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

# The window manager's close (openbox: Alt+F4), then the question.
xdotool windowactivate --sync "$window"
xdotool key --window "$window" alt+F4
question=""
for _ in $(seq 1 50); do
  question=$(xdotool search --onlyvisible --name '^Velkor Enflasyon Düzeltme' 2>/dev/null | grep -v "^$window$" | head -1 || true)
  [ -n "$question" ] && break
  sleep 0.2
done
[ -n "$question" ] || { echo "HATA: kapatma sorusu gelmedi"; exit 1; }
[ -n "${VELKOR_SHOTS:-}" ] && import -window root "$VELKOR_SHOTS/kapatma-sorusu.png"
# "Evet" is the question's default button.
xdotool windowactivate --sync "$question" key Return

for _ in $(seq 1 100); do
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"
    status=$?
    echo "ÇIKIŞ: $status"
    exit "$status"
  fi
  sleep 0.1
done
echo "HATA: program kapanmadı"
exit 1
