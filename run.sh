#!/usr/bin/env bash
# Installs what is missing, builds (incrementally) and starts the editor.
set -e
cd "$(dirname "$0")"
. scripts/setup.sh
tarn_setup_packages
TARN_TARGET=tarn tarn_build build >&2
exec build/tarn "$@"
