#!/usr/bin/env bash
# Starts the program on an installation folder inside the build tree.
set -euo pipefail
build_dir="$1"
home_dir="$2"
mkdir -p "$home_dir"
"$build_dir/src/velkor-cli" --home "$home_dir" init >/dev/null
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Ekran bulunamadı (DISPLAY yok); komut satırından: $build_dir/src/velkor-cli --home $home_dir company list"
  exit 0
fi
cp "$build_dir/src/velkor" "$home_dir/velkor"
cd "$home_dir"
exec ./velkor
