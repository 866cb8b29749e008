#!/usr/bin/env bash
# Installs what is missing, then configures and builds Quillet into build/ (program folder:
# build/Quillet).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/tools/setup.sh"
launcher=()
# A compiler cache, when installed, makes rebuilds in several checkouts cheap.
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
cmake --build "$root/build" --parallel "$(nproc)"
