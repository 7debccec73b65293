#!/usr/bin/env bash
# Starts the program on an installation folder inside the build tree.
set -euo pipefail
build_dir="$1"
home_dir="$2"
mkdir -p "$home_dir"
"$build_dir/src/velkor-cli" --home "$home_dir" init >/dev/null
# The build renders the guide's PDF into its own installation folder; another one gets a copy.
guide="$build_dir/kurulum/KullanimKilavuzu.pdf"
if [ -f "$guide" ] && ! [ "$guide" -ef "$home_dir/KullanimKilavuzu.pdf" ]; then
  cp "$guide" "$home_dir/"
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Ekran bulunamadı (DISPLAY yok); komut satırından: $build_dir/src/velkor-cli --home $home_dir company list"
  exit 0
fi
cp "$build_dir/src/velkor" "$home_dir/velkor"
cd "$home_dir"
exec ./velkor
