#!/usr/bin/env bash
# Installs what is missing, builds the viewer, makes a demo memory card and opens the viewer on it.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps
build_dir=${DROVIK_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir" -j"$(nproc)" --target drovik-viewer drovik

# The demo card stands in a folder of "inserted cards": each sub-folder is one card.
volumes="$PWD/demo-card"
mkdir -p "$volumes"
if [ -x scripts/make-demo-card ] && [ ! -d "$volumes/DROVIK_DEMO" ]; then
  DROVIK_CLI="$PWD/$build_dir/src/cli/drovik" scripts/make-demo-card "$volumes/DROVIK_DEMO"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: no display found; start it from a desktop session (or under xvfb-run)." >&2
fi
export DROVIK_VOLUMES_DIR="${DROVIK_VOLUMES_DIR:-$volumes}"
# Chromium's sandbox (the map page) refuses to start as root.
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
exec "$build_dir/src/drovik-viewer" "$@"
