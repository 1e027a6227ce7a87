#!/usr/bin/env bash
# Configures and builds the given presets (default: all four: the logic for
# Linux, both Windows programs with MinGW-w64, and the clang check build).
set -eu
cd "$(dirname "$0")/.."
for preset in "${@:-native win64 win32 win64-clang}"; do
    for name in $preset; do
        cmake --preset "$name" >/dev/null
        cmake --build --preset "$name" -j "$(nproc)"
    done
done
