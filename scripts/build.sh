#!/usr/bin/env bash
# Configures and builds both trees: build/win32 (MinGW) and build/host (sanitizers).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
if [ ! -f "$root/build/win32/Makefile" ]; then
  cmake -S "$root" -B "$root/build/win32" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
fi
if [ ! -f "$root/build/host/Makefile" ]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$root/build/host" -DCMAKE_BUILD_TYPE=Debug >/dev/null
fi
cmake --build "$root/build/host" -j "$jobs"
cmake --build "$root/build/win32" -j "$jobs"
