#!/usr/bin/env bash
# Installs, with apt-get, the Debian 12 packages the builds and tests need
# that this machine lacks. Debian's packaged snmpd service is kept from
# starting: the tests run their own agents on loopback addresses.
set -euo pipefail

packages=(
  cmake make g++ googletest
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  wine wine64 xvfb xauth fonts-wine fonts-liberation imagemagick
  clang libclang-rt-14-dev
  snmpd snmp
  libcups2-dev openprinting-ppds hp-ppd
  python3 xz-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

policy=/usr/sbin/policy-rc.d
own_policy=0
if [ ! -e "$policy" ]; then
  printf '#!/bin/sh\nexit 101\n' | "${sudo_cmd[@]}" tee "$policy" >/dev/null
  "${sudo_cmd[@]}" chmod +x "$policy"
  own_policy=1
fi
cleanup() { [ $own_policy -eq 1 ] && "${sudo_cmd[@]}" rm -f "$policy"; }
trap cleanup EXIT

export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
