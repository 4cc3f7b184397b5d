# Environment of the project's Wine prefix; sourced by the other scripts.
QEB_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]:-$0}")/.." && pwd)
export WINEPREFIX=${QEB_WINEPREFIX:-$QEB_ROOT/build/wineprefix}
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
if [ -z "${DISPLAY:-}" ] && [ -f "$QEB_ROOT/build/display" ]; then
  export DISPLAY=$(cat "$QEB_ROOT/build/display")
fi
