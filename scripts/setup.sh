#!/usr/bin/env bash
# Installs, with apt-get, the Debian 12 packages the builds and tests need
# that this machine lacks. Debian's packaged snmpd service is kept from
# starting: the tests run their own agents on loopback addresses.
#
# Wine's 32-bit loader (wine32:i386) is installed only where the kernel runs
# i386 code (scripts/i386-probe.sh): elsewhere it could run nothing, and
# Debian's `wine` would start it for every program and fail.
#
# Quiet when all goes well; when apt-get fails, shows its output and exits
# non-zero. PSUI_POLICY_RC_D names the service policy file (default
# /usr/sbin/policy-rc.d; tests point it elsewhere). A policy file that was
# there is kept; the one written here is removed again.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

packages=(
  cmake make g++ googletest
  g++-mingw-w64-x86-64-win32 g++-mingw-w64-i686-win32
  wine wine64 xvfb xauth fonts-wine fonts-liberation imagemagick
  clang libclang-rt-14-dev
  snmpd snmp
  libcups2-dev openprinting-ppds hp-ppd
  python3 xz-utils
)
runs_i386=0
if "$here/i386-probe.sh"; then
  runs_i386=1
  packages+=(wine32:i386)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "setup: installing ${missing[*]}"
[ $runs_i386 -eq 1 ] || echo "setup: not installing wine32 (this kernel runs no i386 code)"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

# Runs a command with its output kept aside; shows it if the command fails.
quietly() {
  local log status=0
  log=$(mktemp)
  "$@" >"$log" 2>&1 || status=$?
  if [ $status -ne 0 ]; then
    echo "setup: '$*' failed with exit status $status:" >&2
    tail -n 40 "$log" >&2
  fi
  rm -f "$log"
  return $status
}

policy=${PSUI_POLICY_RC_D:-/usr/sbin/policy-rc.d}
own_policy=0
cleanup() {
  if [ $own_policy -eq 1 ]; then
    "${sudo_cmd[@]}" rm -f "$policy"
  fi
}
trap cleanup EXIT
if [ ! -e "$policy" ]; then
  own_policy=1
  printf '#!/bin/sh\nexit 101\n' | "${sudo_cmd[@]}" tee "$policy" >/dev/null
  "${sudo_cmd[@]}" chmod +x "$policy"
fi

if [[ " ${missing[*]} " == *" wine32:i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  quietly "${sudo_cmd[@]}" dpkg --add-architecture i386 || exit 1
fi
# Through env: sudo does not pass the caller's environment on.
apt=("${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -q)
quietly "${apt[@]}" update || exit 1
quietly "${apt[@]}" install -y --no-install-recommends "${missing[@]}" || exit 1
echo "setup: done"
exit 0
