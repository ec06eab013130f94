#!/usr/bin/env bash
# scripts/setup.sh: every package name it checks is a real package that stays reported as
# installed, and apt and sudo are called only for what is missing. apt-get, sudo, id and
# dpkg-query are replaced by stand-ins that write down how they were called.
# Usage: tst_setup.sh <path of setup.sh>. Exit code 0 passed, 1 failed, 77 skipped.
set -uo pipefail
setup=$1
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

if ! command -v dpkg-query >/dev/null 2>&1; then
    echo "SKIP: dpkg-query is missing; the set-up script is for Debian systems"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
# shellcheck source=/dev/null
source "$setup"

# 1. The names. A virtual or misspelt name is never reported as installed, so the set-up would call
#    apt on every run. The build's packages are installed by the time the tests run; the other
#    lists (larkspur_*_tools, for ./package and the like) must at least name real packages.
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
for pkg in "${larkspur_packages[@]}"; do
    installed "$pkg" || fail "$pkg is not reported as installed (a virtual or unknown name?)"
done
for list in $(compgen -A arrayvar larkspur_ | grep -x 'larkspur_.*_tools'); do
    declare -n tools=$list
    for pkg in "${tools[@]}"; do
        installed "$pkg" && continue
        apt-cache show --no-all-versions "$pkg" 2>/dev/null | grep -qx "Package: $pkg" ||
            fail "$pkg ($list) is not a real package"
    done
    unset -n tools
done

# Stand-ins: each writes its name and arguments to the log, sudo then runs the command.
bin="$work/bin"
mkdir -p "$bin" "$work/tools"
ln -s "$(command -v grep)" "$work/tools/grep"
log="$work/log"
cat >"$bin/apt-get" <<EOF
#!/bin/bash
echo "apt-get \$*" >>"$log"
EOF
cat >"$bin/sudo" <<EOF
#!/bin/bash
if [ "\$1" = -n ]; then [ -n "\${SUDO_WITHOUT_PASSWORD:-}" ]; exit; fi
echo "sudo \$*" >>"$log"
exec "\$@"
EOF
cat >"$bin/id" <<'EOF'
#!/bin/bash
echo "$FAKE_UID"
EOF
# Reports every package installed except those in $MISSING.
cat >"$bin/dpkg-query" <<'EOF'
#!/bin/bash
for name in $MISSING; do [ "$name" = "${@: -1}" ] && exit 1; done
printf 'install ok installed'
EOF
chmod 755 "$bin"/*

# 2. With every package installed, as an ordinary user: no apt, no sudo. The real dpkg-query
#    answers; the stand-ins only catch a call.
: >"$log"
chmod 666 "$log"
as_user=()
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null 2>&1; then
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
mkdir "$work/real"
ln -s "$bin/apt-get" "$bin/sudo" "$work/real/"
if ! out=$("${as_user[@]}" env PATH="$work/real:$PATH" bash -c \
    'source "$1" && larkspur_install_packages' _ "$setup" 2>&1 </dev/null); then
    fail "with every package installed the set-up failed: $out"
fi
[ -s "$log" ] && fail "with every package installed the set-up called: $(cat "$log")"

# 3. One package missing, each kind of user. Arguments: uid, sudo on the PATH (yes/no), sudo
#    without a password (yes/no), expected exit code, expected log, text expected on stderr.
case_() {
    local uid=$1 with_sudo=$2 nopass=$3 code=$4 want_log=$5 want_err=$6 path="$bin:$work/tools"
    : >"$log"
    if [ "$with_sudo" = no ]; then
        mkdir -p "$work/nosudo"
        cp "$bin/apt-get" "$bin/id" "$bin/dpkg-query" "$work/nosudo/"
        path="$work/nosudo:$work/tools"
    fi
    local err got
    err=$(FAKE_UID=$uid MISSING="pkg-b" SUDO_WITHOUT_PASSWORD=${nopass/no/} PATH="$path" \
        "$BASH" -c 'source "$1"; larkspur_packages=(pkg-a pkg-b pkg-c); larkspur_install_packages' \
        _ "$setup" 2>&1 >/dev/null </dev/null)
    got=$?
    local name="uid $uid, sudo $with_sudo, without password $nopass"
    [ "$got" -eq "$code" ] || fail "$name: exit code $got, expected $code"
    [ "$(cat "$log")" = "$want_log" ] || fail "$name: calls were [$(cat "$log")], expected [$want_log]"
    [[ "$err" == *"$want_err"* ]] || fail "$name: error output [$err] lacks [$want_err]"
}
told="apt-get install pkg-b"
case_ 0 no no 0 $'apt-get update -q\napt-get install -y -q pkg-b' ""
case_ 1000 no no 1 "" "$told"
case_ 1000 yes no 1 "" "$told"
case_ 1000 yes yes 0 \
    $'sudo apt-get update -q\napt-get update -q\nsudo apt-get install -y -q pkg-b\napt-get install -y -q pkg-b' ""

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "PASS: package names real and installed; apt and sudo called only for what is missing"
