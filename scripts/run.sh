#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
if [ -x build/src/app/corvane ]; then
  exec build/src/app/corvane "$@"
fi
exec build/src/corvane-cli deal "$@"
