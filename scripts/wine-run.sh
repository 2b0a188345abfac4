#!/usr/bin/env bash
# Runs one Windows program under the build tree's Wine session, within a time
# limit:  wine-run.sh BUILD_DIR SECONDS PROGRAM [ARGS...]
set -uo pipefail
build=${1:?build dir}; limit=${2:?seconds}; shift 2
envfile=$build/wine-session.env
if [ ! -f "$envfile" ]; then
  echo "wine-run: no Wine session for $build (run scripts/wine-session.sh start $build)" >&2
  exit 2
fi
# shellcheck disable=SC1090
. "$envfile"
exec timeout -k 5 "$limit" "${WINE:-wine}" "$@" </dev/null
