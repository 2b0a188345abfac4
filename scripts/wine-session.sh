#!/usr/bin/env bash
# One Wine session for a build tree: its own prefix (prepared once, kept in
# the build tree), one Xvfb and one persistent wineserver.
#   wine-session.sh start BUILD_DIR   prepare the prefix if needed, start Xvfb + wineserver
#   wine-session.sh stop BUILD_DIR    end this session's wineserver and Xvfb (by PID)
#   wine-session.sh prefix BUILD_DIR  only prepare the prefix
# The session's environment is written to BUILD_DIR/wine-session.env, which
# scripts/wine-run.sh reads. With PSUI_DISPLAY set (for example to the
# user's own $DISPLAY) the session shows its windows there and starts no Xvfb.
set -euo pipefail

action=${1:?start|stop|prefix}
build=$(cd "${2:?build dir}" && pwd)
prefix=$build/wineprefix
envfile=$build/wine-session.env
pidfile=$build/wine-session.xvfb.pid

export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
# shellcheck source=wine-loader.sh
. "$(dirname "$0")/wine-loader.sh"

# The Wine set-up a prefix is made for. A prefix made by another one does
# not work: made before wine32 was added, every program fails at once
# ("could not load kernel32.dll, status c0000135").
setup_stamp() {
  printf '%s\n' "$("$WINE" --version 2>/dev/null)" "loader $WINE" "wine32 $WINE32" "WINEARCH $WINEARCH"
}

prepare_prefix() {
  local stamp
  stamp=$(setup_stamp)
  if [ -f "$prefix/.psui-ready" ]; then
    [ "$(cat "$prefix/.psui-ready")" = "$stamp" ] && return 0
    echo "wine session: $prefix was made for another Wine set-up; making it anew" >&2
  fi
  rm -rf "$prefix"
  mkdir -p "$prefix"
  "$WINE" wineboot -i </dev/null >/dev/null 2>&1 || true
  wineserver -w || true
  local reg=$build/wine-prefix.reg
  cat >"$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1024x768"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Courier New"="Liberation Mono"
REG
  "$WINE" regedit /S "$reg" </dev/null >/dev/null 2>&1
  wineserver -w || true
  mkdir -p "$prefix/drive_c/windows/Fonts"
  cp /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
  printf '%s\n' "$stamp" >"$prefix/.psui-ready"
}

free_display() {
  local n
  for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      echo "$n"; return 0
    fi
  done
  return 1
}

start() {
  stop_quietly
  if [ -n "${PSUI_DISPLAY:-}" ]; then
    export DISPLAY=$PSUI_DISPLAY
  else
    local n
    n=$(free_display)
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
    echo $! >"$pidfile"
    for _ in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      sleep 0.1
    done
    export DISPLAY=":$n"
  fi
  prepare_prefix
  # Detached from our output: Wine's helpers otherwise keep ctest's pipes open.
  wineserver -p </dev/null >/dev/null 2>&1
  "$WINE" cmd /c exit </dev/null >/dev/null 2>&1 || true
  cat >"$envfile" <<ENV
export DISPLAY=$DISPLAY
export WINEPREFIX=$prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINE=$WINE
${WINELOADER:+export WINELOADER=$WINELOADER}
ENV
  echo "wine session: DISPLAY=$DISPLAY WINEPREFIX=$prefix"
}

stop_quietly() {
  if [ -d "$prefix" ]; then
    wineserver -k >/dev/null 2>&1 || true
  fi
  if [ -f "$pidfile" ]; then
    kill "$(cat "$pidfile")" >/dev/null 2>&1 || true
    rm -f "$pidfile"
  fi
  rm -f "$envfile"
}

case $action in
  start) start ;;
  stop) stop_quietly; echo "wine session stopped" ;;
  prefix) prepare_prefix ;;
  *) echo "usage: $0 start|stop|prefix BUILD_DIR" >&2; exit 2 ;;
esac
