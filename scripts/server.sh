#!/usr/bin/env bash
# Installs what is missing, builds, and starts the local server of the online services
# on the port every built-in address of the program points at. Arguments go to the
# server (--log, --credit NICK AMOUNT, --pause-world, ...).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
exec "${BUILD_DIR:-$root/build}/bin/vardelin-server" "$@"
