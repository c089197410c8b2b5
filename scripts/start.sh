#!/usr/bin/env bash
# Installs what is missing, builds Horavela and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake --preset default
cmake --build --preset default --target horavela
echo "Horavela is built, but it has no window yet: only the calculation exists so far."
