#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Larkspur developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of this build folder with CPack and checks it with lintian: no
# error, no warning. Every lintian override carries its reason on the line above it.
# Usage: tst_lintian.sh CPACK CPACK-CONFIG OVERRIDES. Exit code 0 passed, 1 failed, 77 skipped.
set -uo pipefail
cpack=$1 config=$2 overrides=$3

previous=""
while IFS= read -r line; do
    if [ -n "$line" ] && [ "${line:0:1}" != "#" ] && [ "${previous:0:1}" != "#" ]; then
        echo "FAIL: lintian override without a reason on the line above: $line"
        exit 1
    fi
    previous=$line
done <"$overrides"

# CPack's Debian generator needs dpkg-shlibdeps and file for the dependencies.
for tool in lintian dpkg-shlibdeps file; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is missing (./package installs it): the package is not checked"
        exit 77
    fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! "$cpack" --config "$config" -G DEB -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL: CPack could not build the package"
    exit 1
fi
deb=$(ls "$work"/larkspur_*.deb)
if ! lintian --fail-on error,warning --no-tag-display-limit "$deb"; then
    echo "FAIL: lintian found errors or warnings in $(basename "$deb")"
    exit 1
fi
echo "PASS: lintian: no error, no warning in $(basename "$deb")"
