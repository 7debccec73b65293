#!/usr/bin/env bash
# Runs a command on a desktop as the users have it: an X server of 1366×768 with a window
# manager (openbox), the Turkish locale. The server and the window manager end with the command.
# VELKOR_SHOTS names a folder for the screenshots the command takes (kept after the run).
set -euo pipefail

fifo_dir=$(mktemp -d)
cleanup() {
  [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null || true
  [ -n "${x_pid:-}" ] && kill "$x_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$fifo_dir"
}
trap cleanup EXIT

# -displayfd lets the server choose a free display, so parallel tests never meet.
mkfifo "$fifo_dir/display"
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$fifo_dir/display" >/dev/null 2>&1 &
x_pid=$!
read -r -t 30 display <"$fifo_dir/display"
export DISPLAY=":$display"
openbox >/dev/null 2>&1 &
wm_pid=$!
# The window manager is ready when it has taken the root window's focus.
for _ in $(seq 1 100); do
  if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    break
  fi
  sleep 0.1
done

# A Turkish keyboard, as the users have: "ı", "ş", "ğ" are keys of their own.
setxkbmap tr 2>/dev/null || true

export QT_QPA_PLATFORM=xcb
unset LC_ALL LC_NUMERIC LC_CTYPE LANGUAGE
export LANG="${VELKOR_DESKTOP_LANG:-tr_TR.UTF-8}"
"$@"
