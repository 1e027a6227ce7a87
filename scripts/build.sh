#!/usr/bin/env bash
# Configures and builds the given presets (default: all three).
set -eu
cd "$(dirname "$0")/.."
for preset in "${@:-native win64 win32}"; do
    for name in $preset; do
        cmake --preset "$name" >/dev/null
        cmake --build --preset "$name" -j "$(nproc)"
    done
done
