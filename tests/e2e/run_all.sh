#!/usr/bin/env bash
# End-to-end cases: the real binary under Xvfb with openbox, driven by XTEST keys.
# Usage: run_all.sh BINARY SOURCE_DIR [BUILD_DIR]   (the build to install from, for the install case)
BIN=$(realpath "$1")
SRC=$(realpath "$2")
BUILD=${3:+$(realpath "$3")}
HERE=$(dirname "$(realpath "$0")")
. "$HERE/lib.sh"

trap stop_x EXIT
# An interrupted run still cleans up (and unlocks the folders it locked).
trap 'exit 143' TERM INT HUP
start_x || exit 1

for case_file in "$HERE"/cases/*.sh; do
    . "$case_file"
done

echo "$E2E_PASSES passed, $E2E_FAILS failed"
[ "$E2E_FAILS" -eq 0 ]
