#!/usr/bin/env bash
# Builds Quillet and starts it on the shipped database in the built program folder.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/tools/build.sh"
exec "$root/build/Quillet/Quillet" "$@"
