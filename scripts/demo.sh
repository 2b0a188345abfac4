#!/usr/bin/env bash
# The settings exchange over real DDE: driver_sim plays the driver and sends
# the sample record; the server side receives it and answers OK; the answer
# is decoded and compared with what was sent.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/setup.sh
mkdir -p build out
echo "== building"
cmake -S . -B build/native >/dev/null && cmake --build build/native --target settings_tool -j2 >/dev/null
cmake -S . -B build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw64.cmake >/dev/null
cmake --build build/win64 --target driver_sim channel_peer -j2 >/dev/null

tool=build/native/bin/settings_tool
head -c 1434 /dev/zero > out/zero.record
$tool encode samples/settings.json out/zero.record out/sent.record

scripts/wine-session.sh start build/win64 >/dev/null
trap 'scripts/wine-session.sh stop build/win64 >/dev/null' EXIT
bin=build/win64/bin
scripts/wine-run.sh build/win64 60 $bin/channel_peer.exe --answer ok > out/peer.log 2>&1 &
peer=$!
echo "== driver_sim"
set +e
scripts/wine-run.sh build/win64 60 $bin/driver_sim.exe --record out/sent.record --answer out/answer.frame --owner 0x1234
code=$?
set -e
wait $peer || true
echo "driver_sim exit code: $code"
echo "== answer frame"
$tool decode out/answer.frame | head -n 6
echo "== fields changed by the exchange (none expected)"
$tool diff out/sent.record out/answer.frame
