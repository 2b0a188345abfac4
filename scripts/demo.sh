#!/usr/bin/env bash
# The main job: psui started by the driver simulator over real DDE, on the
# project's own sample PPD, with a printer answering SNMP on loopback.
#   scripts/demo.sh            with a display: shows the sheet and waits for you
#   scripts/demo.sh --headless (the default without DISPLAY) runs under Xvfb,
#                              drives every page by samples/demo.script, saves a
#                              screenshot of each to out/screenshots/, presses OK,
#                              then shows the device pages once more with a
#                              printer that does not answer (samples/demo-offline.script)
#                              and the Features page on the black-and-white
#                              sample PPD (samples/demo-mono.script)
# Both end by printing the record fields that changed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

headless=0
[ -z "${DISPLAY:-}" ] && headless=1
[ "${1:-}" = "--headless" ] && headless=1

scripts/setup.sh
echo "== building"
mkdir -p build out
cmake -S . -B build/native >build/native.demo.log 2>&1
cmake --build build/native --target settings_tool -j2 >>build/native.demo.log 2>&1
cmake -S . -B build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw64.cmake >build/win64.demo.log 2>&1
cmake --build build/win64 --target psui driver_sim -j2 >>build/win64.demo.log 2>&1

tool=build/native/bin/settings_tool
bin=build/win64/bin
demo=out/demo
rm -rf "$demo" out/screenshots
mkdir -p "$demo" out/screenshots

# The record the driver sends: the sample settings over an empty record.
head -c 1434 /dev/zero >"$demo/empty.record"
$tool encode samples/settings.json "$demo/empty.record" "$demo/sent.record"

# A printer on loopback: net-snmp's snmpd with the "full" profile (needs root
# for port 161; without it the printer is silent and the sheet still shows).
agent=127.0.0.61
silent=127.0.0.111  # nobody listens there (the device pages' silent address)
agent_state=$root/$demo/snmpd
if scripts/snmpd-agent.sh start "$agent_state" $agent full >/dev/null 2>&1; then
  echo "== printer agent on $agent"
else
  echo "== no printer agent (snmpd needs root): the printer stays silent"
fi

if [ $headless -eq 0 ]; then
  export PSUI_DISPLAY=$DISPLAY
fi
scripts/wine-session.sh start build/win64 >/dev/null
cleanup() {
  [ -n "${watcher:-}" ] && kill "$watcher" 2>/dev/null || true
  scripts/wine-session.sh stop build/win64 >/dev/null 2>&1 || true
  scripts/snmpd-agent.sh stop "$agent_state" >/dev/null 2>&1 || true
}
trap cleanup EXIT
# shellcheck disable=SC1091
. build/win64/wine-session.env
mkdir -p "$WINEPREFIX/drive_c/psui"
cp samples/psui-color.ppd "$WINEPREFIX/drive_c/psui/PSUICLR.ppd"
cp samples/psui-mono.ppd "$WINEPREFIX/drive_c/psui/PSUIMONO.ppd"
# The printer's stores as samples/demo.reg has them: its resident fonts and
# default font table; no watermark, colour or document profiles and no table
# in force from an earlier run.
printer_key='HKLM\System\CurrentControlSet\Control\Print\Printers\PSUI Color Laser'
scripts/wine-run.sh build/win64 60 reg delete "$printer_key\Watermark Profiles" /f >/dev/null 2>&1 || true
scripts/wine-run.sh build/win64 60 reg delete "$printer_key\Color Profiles" /f >/dev/null 2>&1 || true
scripts/wine-run.sh build/win64 60 reg delete "$printer_key\Custom Document Profiles" /f >/dev/null 2>&1 || true
scripts/wine-run.sh build/win64 60 reg delete "$printer_key\PrinterDriverData" /f >/dev/null 2>&1 || true
scripts/wine-run.sh build/win64 60 regedit /S "Z:${root//\//\\}\\samples\\demo.reg" >/dev/null 2>&1 ||
  echo "== samples/demo.reg was not imported"

args=(--record "$demo/sent.record" --answer "$demo/answer.frame" --launch "$bin/psui.exe"
      --printer-port IP_127.0.0.61 --printer-address $agent)
set +e
if [ $headless -eq 1 ]; then
  cp samples/demo.script "$demo/demo.script"
  cp samples/demo-mono.script "$demo/demo-mono.script"
  # driver_sim asks for each screenshot with NAME.req beside the script and
  # waits for NAME.done: a Windows program cannot wait on a Linux one.
  (
    while true; do
      for request in "$demo"/*.req; do
        [ -e "$request" ] || continue
        name=$(basename "$request" .req)
        import -display "$DISPLAY" -window root png:- 2>/dev/null |
          convert - -trim +repage "out/screenshots/$name.png" 2>/dev/null
        touch "$demo/$name.done"
        rm -f "$request"
      done
      sleep 0.2
    done
  ) &
  watcher=$!
  echo "== driver_sim --script samples/demo.script"
  scripts/wine-run.sh build/win64 300 "$bin/driver_sim.exe" "${args[@]}" --script "$demo/demo.script"
  code=$?
  # A second pass on the black-and-white sample PPD: the Features page
  # without its colour group.
  sed 's/PSUICLR/PSUIMONO/' samples/settings.json >"$demo/mono.json"
  $tool encode "$demo/mono.json" "$demo/empty.record" "$demo/mono.record"
  echo "== driver_sim --script samples/demo-mono.script (psui-mono.ppd)"
  scripts/wine-run.sh build/win64 120 "$bin/driver_sim.exe" --record "$demo/mono.record" \
      --answer "$demo/mono.frame" --launch "$bin/psui.exe" --script "$demo/demo-mono.script"
  mono_code=$?
  [ $mono_code -eq 2 ] || { echo "== the mono pass ended with $mono_code"; [ $code -ne 0 ] || code=3; }
  # A second pass with a printer that does not answer (nobody listens on
  # that address): the device pages as they look offline.
  cp samples/demo-offline.script "$demo/demo-offline.script"
  echo "== driver_sim --script samples/demo-offline.script (silent printer on $silent)"
  scripts/wine-run.sh build/win64 300 "$bin/driver_sim.exe" --record "$demo/sent.record" \
      --answer "$demo/offline.frame" --launch "$bin/psui.exe" --printer-port IP_SILENT \
      --printer-address $silent --script "$demo/demo-offline.script"
  offline_code=$?
  [ $offline_code -eq 2 ] || { echo "== the offline pass ended with $offline_code"; [ $code -ne 0 ] || code=3; }
else
  echo "== the sheet is on your display; close it with OK or Cancel"
  scripts/wine-run.sh build/win64 3600 "$bin/driver_sim.exe" "${args[@]}" --timeout-ms 3600000
  code=$?
fi
set -e

echo "== driver_sim exit code: $code (0 settings, 2 cancel, 1 nothing, 3 a script line failed)"
if [ -s "$demo/answer.frame" ] && [ "$(stat -c %s "$demo/answer.frame")" -eq 1446 ]; then
  echo "== record fields changed by psui"
  $tool diff "$demo/sent.record" "$demo/answer.frame"
fi
[ $headless -eq 1 ] && echo "== screenshots: $(ls out/screenshots | tr '\n' ' ')"
exit $code
