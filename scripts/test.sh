#!/usr/bin/env bash
# Installs what is missing, builds Horavela and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh test
cmake --preset default
cmake --build --preset default
ctest --preset default
