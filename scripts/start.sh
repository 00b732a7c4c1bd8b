#!/usr/bin/env bash
# Installs what is missing, builds, and starts Stanmon with run/ as its working folder.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/install-deps.sh"
cmake -S "$top" -B "$top/build/release" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$top/build/release" --target stanmon
mkdir -p "$top/run"
cd "$top/run"
exec "$top/build/release/stanmon/stanmon"
