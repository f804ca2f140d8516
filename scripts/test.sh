#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the Release build
# with its unit, widget and end-to-end tests, then the whole suite again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
jobs=$(nproc)
# Qt wants a private runtime folder; CI machines may not have one.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="$(mktemp -d)"
    chmod 700 "$XDG_RUNTIME_DIR"
fi

echo "== Release build and tests"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DQUILTRIX_BUILD_TESTS=ON -DQUILTRIX_BUILD_BENCH=ON -DQUILTRIX_E2E=ON >/dev/null
cmake --build build/release -j "$jobs"
ctest --test-dir build/release --output-on-failure -j "$jobs"

echo "== Sanitizer build (ASan+UBSan) and tests"
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILTRIX_SANITIZE=ON \
    -DQUILTRIX_BUILD_TESTS=ON -DQUILTRIX_E2E=OFF >/dev/null
cmake --build build/asan -j "$jobs"
ctest --test-dir build/asan --output-on-failure -j "$jobs"

echo "== All tests passed"
