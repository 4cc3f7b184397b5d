#!/usr/bin/env bash
# make run: builds, assembles the sample medium and starts setup.exe on it
# under Wine (under Xvfb when there is no display), then shows the debug log.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh" || exit 1
bash "$root/scripts/build.sh" || exit 1
. "$root/scripts/testbed.sh"
trap testbed_down EXIT
testbed_up || exit 1

medium="$root/build/win32/medium"
version=${QEB_WINVER:-nt40}
wine reg add 'HKCU\Software\Wine\AppDefaults\setup.exe' /v Version /d "$version" /f >/dev/null 2>&1
echo "Starting setup.exe ($version) on $medium"
(cd "$medium" && timeout 120 wine setup.exe -Log ${QEB_ARGS:-})
echo "setup.exe ended with $?"
log="$WINEPREFIX/drive_c/windows/qeb.log"
echo "Debug log: $log"
[ -f "$log" ] && iconv -f CP1252 -t UTF-8 "$log"
