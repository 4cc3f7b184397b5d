# The test bed: display, prefix and one wineserver for a whole run.
# Sourced by test.sh and run.sh; testbed_up starts what is missing,
# testbed_down ends only what testbed_up started.
. "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
QEB_STARTED_XVFB=""
QEB_STARTED_SERVER=""

testbed_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return; fi
  local n
  for n in $(seq 90 140); do
    [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ] && continue
    Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    QEB_STARTED_XVFB=$!
    export DISPLAY=:$n
    for _ in $(seq 1 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    mkdir -p "$QEB_ROOT/build" && echo ":$n" > "$QEB_ROOT/build/display"
    return
  done
  echo "testbed: no free display" >&2; return 1
}

testbed_prefix() {
  local stamp="$WINEPREFIX/.qeb-ready"
  [ -f "$stamp" ] && return
  echo "testbed: creating the 32-bit prefix $WINEPREFIX"
  rm -rf "$WINEPREFIX"; mkdir -p "$(dirname "$WINEPREFIX")"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  local reg="$WINEPREFIX/qeb-settings.reg"
  cat > "$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1024x768"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\DllOverrides]
"winemenubuilder.exe"=""
REG
  wine regedit /S "$reg" >/dev/null 2>&1
  wineserver -w
  touch "$stamp"
}

testbed_up() {
  testbed_display
  testbed_prefix
  # wineserver puts itself in the background; it fails when one already runs.
  if wineserver -p >/dev/null 2>&1; then QEB_STARTED_SERVER=yes; fi
  # Start the prefix's background processes (services, the desktop) now, with
  # their output detached: started later, they would inherit a test's pipes.
  wine wineboot >/dev/null 2>&1 </dev/null || true
  wine explorer /desktop=Default,1024x768 >/dev/null 2>&1 </dev/null &
  for _ in $(seq 1 50); do
    wine cmd /c exit >/dev/null 2>&1 </dev/null && break
    sleep 0.1
  done
}

testbed_down() {
  if [ -n "$QEB_STARTED_SERVER" ]; then wineserver -k 2>/dev/null || true; fi
  if [ -n "$QEB_STARTED_XVFB" ]; then
    kill "$QEB_STARTED_XVFB" 2>/dev/null || true
    rm -f "$QEB_ROOT/build/display"
  fi
}
