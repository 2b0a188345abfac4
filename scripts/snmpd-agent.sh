#!/usr/bin/env bash
# Starts or stops one net-snmp agent that plays a printer, on UDP port 161 of
# one loopback address, with one of the project's profiles
# (scripts/snmpd-profiles/PROFILE.conf; community "public").
#   snmpd-agent.sh start STATE_DIR ADDRESS PROFILE
#   snmpd-agent.sh stop STATE_DIR
# STATE_DIR keeps the agent's configuration, log, persistent files and PID;
# stop ends exactly the process that start began, by its PID. Debian's own
# snmpd service is never touched. Needs root (port 161).
set -euo pipefail

action=${1:?start|stop}
state=${2:?state dir}
here=$(cd "$(dirname "$0")" && pwd)
pidfile=$state/snmpd.pid
conf=$state/snmpd.conf
export MIBS=  # numeric OIDs only; no MIB files are read

# True when PID is the agent this state dir started.
ours() {
  local pid=$1
  [ -r "/proc/$pid/cmdline" ] || return 1
  tr '\0' ' ' <"/proc/$pid/cmdline" | grep -qF -- "$conf"
}

stop() {
  [ -f "$pidfile" ] || return 0
  local pid
  pid=$(cat "$pidfile")
  if [ -n "$pid" ] && ours "$pid"; then
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 1 50); do
      ours "$pid" || break
      sleep 0.1
    done
    if ours "$pid"; then kill -9 "$pid" 2>/dev/null || true; fi
  fi
  rm -f "$pidfile"
}

start() {
  local address=${1:?address} profile=${2:?profile}
  local source=$here/snmpd-profiles/$profile.conf
  [ -f "$source" ] || { echo "snmpd-agent: no profile $source" >&2; exit 2; }
  case $address in
    127.*) ;;
    *) echo "snmpd-agent: $address is not a loopback address" >&2; exit 2 ;;
  esac
  mkdir -p "$state/persist"
  stop
  {
    echo "# generated from $source"
    echo "rocommunity public 127.0.0.0/8"
    echo "dontLogTCPWrappersConnects yes"
    cat "$source"
  } >"$conf"
  # Only the modules a printer needs: the Host Resources tables of this
  # machine would answer in place of the profile's storage entries.
  SNMP_PERSISTENT_DIR=$state/persist setsid snmpd -f -C -c "$conf" -Lf "$state/snmpd.log" \
      -I -hrh_storage,hrh_filesys,hr_system,hr_device,hr_other,hr_proc,hr_network,hr_print,hr_disk,hr_partition,hr_swinst,hr_swrun \
      "udp:$address:161" </dev/null >/dev/null 2>&1 &
  echo $! >"$pidfile"
  local pid
  pid=$(cat "$pidfile")
  for _ in $(seq 1 50); do
    if ! kill -0 "$pid" 2>/dev/null; then
      echo "snmpd-agent: snmpd ended at once; its log:" >&2
      cat "$state/snmpd.log" >&2 || true
      rm -f "$pidfile"
      exit 1
    fi
    if snmpget -v1 -c public -t 0.2 -r 0 "$address" .1.3.6.1.2.1.1.3.0 >/dev/null 2>&1; then
      echo "snmpd-agent: $profile on $address (pid $pid)"
      return 0
    fi
    sleep 0.1
  done
  echo "snmpd-agent: no answer from $address" >&2
  stop
  exit 1
}

case $action in
  start) start "${3:-}" "${4:-}" ;;
  stop) stop; echo "snmpd-agent: stopped ($state)" ;;
  *) echo "usage: $0 start STATE_DIR ADDRESS PROFILE | stop STATE_DIR" >&2; exit 2 ;;
esac
