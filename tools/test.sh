#!/usr/bin/env bash
# Builds Quillet with warnings as errors and runs every test (headless; each test works on
# its own copy of the program folder).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/tools/build.sh" build -DQUILLET_WERROR=ON
cd "$root/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
