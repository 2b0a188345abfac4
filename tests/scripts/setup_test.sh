#!/usr/bin/env bash
# scripts/setup.sh against stand-ins for apt-get, dpkg, dpkg-query, sudo, id
# and the i386 probe, first on PATH: what it installs, how it ends, and what
# becomes of the service policy file (a temporary one, never the machine's).
set -uo pipefail
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

checks=0
failures=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1; shift
  checks=$((checks + 1))
  if ! "$@"; then
    failures=$((failures + 1))
    echo "FAILED: $case_name: $what"
  fi
}
contains() { grep -qF -- "$2" "$1"; }
lacks() { ! grep -qF -- "$2" "$1"; }
logged_before() {  # logged_before FILE FIRST SECOND
  local first second
  first=$(grep -nF -- "$2" "$1" | head -n 1 | cut -d: -f1)
  second=$(grep -nF -- "$3" "$1" | head -n 1 | cut -d: -f1)
  [ -n "$first" ] && [ -n "$second" ] && [ "$first" -lt "$second" ]
}

# The stand-ins. They log what they are asked to $work/log; their answers come
# from files under $work/state.
stubs=$work/bin
mkdir -p "$stubs"
cat >"$stubs/dpkg-query" <<'EOF'
#!/bin/sh
# dpkg-query -W -f=FORMAT PACKAGE: installed when listed in state/installed.
package=$3
grep -qx "$package" "$STATE/installed" && printf 'install ok installed' && exit 0
echo "dpkg-query: no packages found matching $package" >&2
exit 1
EOF
cat >"$stubs/dpkg" <<'EOF'
#!/bin/sh
echo "dpkg $*" >>"$STATE/log"
case $1 in
  --print-foreign-architectures) cat "$STATE/architectures" ;;
  --add-architecture) echo "$2" >>"$STATE/architectures" ;;
esac
EOF
cat >"$stubs/apt-get" <<'EOF'
#!/bin/sh
echo "apt-get $* (DEBIAN_FRONTEND=${DEBIAN_FRONTEND:-})" >>"$STATE/log"
case " $* " in
  *" install "*)
    if [ -e "$POLICY" ]; then echo "policy during install: $(tail -n 1 "$POLICY")" >>"$STATE/log"; fi
    if [ -e "$STATE/apt-fails" ]; then
      echo "Reading package lists..."
      echo "E: Unable to locate package hp-ppd" >&2
      exit 100
    fi ;;
esac
echo "Reading package lists..."
EOF
cat >"$stubs/sudo" <<'EOF'
#!/bin/sh
echo "sudo $1" >>"$STATE/log"
exec "$@"
EOF
cat >"$stubs/id" <<'EOF'
#!/bin/sh
cat "$STATE/uid"
EOF
chmod +x "$stubs"/*

# A copy of setup.sh beside a probe that answers as the case says.
scripts=$work/scripts
mkdir -p "$scripts"
cp "$source_dir/scripts/setup.sh" "$scripts/"
printf '#!/bin/sh\n[ -e "$STATE/runs-i386" ]\n' >"$scripts/i386-probe.sh"
chmod +x "$scripts"/*.sh
packages=$(sed -n '/^packages=(/,/^)/p' "$scripts/setup.sh" | sed '1d;$d' | tr -s ' \n' '\n' | sed '/^$/d')

# new_case NAME: a fresh machine state where nothing is installed, as root,
# with no policy file and a kernel that runs no i386 code.
new_case() {
  case_name=$1
  export STATE=$work/state-$case_name POLICY=$work/policy-$case_name
  mkdir -p "$STATE"
  : >"$STATE/installed"; : >"$STATE/log"; : >"$STATE/architectures"
  echo 0 >"$STATE/uid"
}
run_setup() {
  PATH=$stubs:$PATH PSUI_POLICY_RC_D=$POLICY "$scripts/setup.sh" >"$STATE/out" 2>&1
  status=$?
}

new_case policy-present
printf '#!/bin/sh\n# the image'"'"'s own\nexit 101\n' >"$POLICY"
run_setup
check "exits 0 after a good install" [ $status -eq 0 ]
check "installs the missing packages" contains "$STATE/log" "install -y --no-install-recommends cmake"
check "runs apt-get non-interactively" contains "$STATE/log" "(DEBIAN_FRONTEND=noninteractive)"
check "keeps the policy file that was there" contains "$POLICY" "# the image's own"
check "reports success" contains "$STATE/out" "setup: done"
check "keeps apt's chatter to itself" lacks "$STATE/out" "Reading package lists"

new_case policy-absent
run_setup
check "exits 0 after a good install" [ $status -eq 0 ]
check "holds services back during the install" contains "$STATE/log" "policy during install: exit 101"
check "removes its own policy file" [ ! -e "$POLICY" ]

new_case apt-fails
touch "$STATE/apt-fails"
run_setup
check "exits non-zero" [ $status -ne 0 ]
check "shows apt's error" contains "$STATE/out" "E: Unable to locate package hp-ppd"
check "names the command that failed" contains "$STATE/out" "failed with exit status 100"
check "removes its own policy file" [ ! -e "$POLICY" ]

new_case apt-fails-policy-present
touch "$STATE/apt-fails"
printf '#!/bin/sh\nexit 101\n' >"$POLICY"
run_setup
check "exits non-zero" [ $status -ne 0 ]
check "keeps the policy file that was there" [ -e "$POLICY" ]

new_case nothing-missing
echo "$packages" >"$STATE/installed"
run_setup
check "exits 0" [ $status -eq 0 ]
check "calls no apt-get" lacks "$STATE/log" "apt-get"
check "says nothing" [ ! -s "$STATE/out" ]

new_case not-root
echo 1000 >"$STATE/uid"
run_setup
check "exits 0" [ $status -eq 0 ]
check "installs through sudo" contains "$STATE/log" "sudo env"
check "removes its own policy file" [ ! -e "$POLICY" ]

new_case no-i386
echo "$packages" | grep -v '^cmake$' >"$STATE/installed"
run_setup
check "exits 0" [ $status -eq 0 ]
check "does not install wine32" lacks "$STATE/log" "wine32"
check "adds no i386 architecture" lacks "$STATE/log" "--add-architecture"
check "says why" contains "$STATE/out" "not installing wine32 (this kernel runs no i386 code)"

new_case runs-i386
touch "$STATE/runs-i386"
echo "$packages" >"$STATE/installed"
run_setup
check "exits 0" [ $status -eq 0 ]
check "adds the i386 architecture before apt-get update" \
  logged_before "$STATE/log" "dpkg --add-architecture i386" "apt-get -q update"
check "installs wine32 alone" contains "$STATE/log" "install -y --no-install-recommends wine32:i386 (DEBIAN"

new_case runs-i386-already-added
touch "$STATE/runs-i386"
echo i386 >"$STATE/architectures"
run_setup
check "does not add the architecture twice" lacks "$STATE/log" "--add-architecture"

echo "setup.sh: $checks checks, $failures failed"
[ $failures -eq 0 ]
