#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on the current X display under a window manager (openbox), as a pupil's desktop
# has one: it gives the focus back to a window when the message box over it closes, and holds
# windows to their size hints. Usage: with_openbox.sh COMMAND [ARGS...]
set -euo pipefail
ready=$(mktemp -u)
openbox --sm-disable --startup "touch $ready" >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null; rm -f "$ready"' EXIT
for _ in $(seq 100); do
    [ -e "$ready" ] && break
    sleep 0.1
done
[ -e "$ready" ] || { echo "openbox did not start" >&2; exit 1; }
"$@"
