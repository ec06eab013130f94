#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs atspi_client.py against the program in a D-Bus session of its own, on an X server of its
# own: the session's bus starts the accessibility bus on demand, as a desktop does for a screen
# reader. Usage: run_atspi.sh PROGRAM [client options]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

# The accessibility bus keeps its socket under XDG_RUNTIME_DIR; a folder of this run's own keeps
# two runs at once (two test builds) off each other's bus.
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime"

# The first python3 on the path that has the AT-SPI bindings (a private Python may come first).
python=
while read -r candidate; do
    if "$candidate" -c 'import pyatspi' 2>/dev/null; then
        python=$candidate
        break
    fi
done < <(type -ap python3)
if [ -z "$python" ]; then
    echo "python3 with pyatspi (python3-pyatspi) not found" >&2
    exit 1
fi

exec dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$python" "$here/atspi_client.py" "$@"
