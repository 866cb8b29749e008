#!/usr/bin/env bash
# Installs what is missing, then configures and builds Quillet.
# build.sh [folder [cmake options...]]: the folder defaults to build/ (program folder:
# build/Quillet); options are passed to the configure step.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
folder="$root/${1:-build}"
shift || true
bash "$root/tools/setup.sh"
launcher=()
# A compiler cache, when installed, makes rebuilds in several checkouts cheap.
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S "$root" -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" "$@" >/dev/null
cmake --build "$folder" --parallel "${QUILLET_BUILD_JOBS:-$(nproc)}"
