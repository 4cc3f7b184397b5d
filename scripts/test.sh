#!/usr/bin/env bash
# make test: installs what is missing, builds both trees, runs every test.
# Extra arguments go to both ctest runs (for example -R win32_app).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
start=$(date +%s)
bash "$root/scripts/install-deps.sh" || exit 1
bash "$root/scripts/build.sh" || exit 1
. "$root/scripts/testbed.sh"
trap testbed_down EXIT
testbed_up || exit 1

status=0
echo "== host tests (native, sanitizers)"
(cd "$root/build/host" && ctest --output-on-failure "$@") || status=1
echo "== win32 tests (under Wine)"
(cd "$root/build/win32" && ctest --output-on-failure "$@") || status=1
echo "make test: $(( $(date +%s) - start )) s"
exit $status
