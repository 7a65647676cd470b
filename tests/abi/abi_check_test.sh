#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Verrin developers
# SPDX-License-Identifier: MIT
#
# The ABI check's rules, on the versions of a small library (abiFixture.cpp): its description is
# taken from the first; an addition or a changed private record passes, a removed function or a
# grown public class fails, and a removal with a new SONAME is passed over.
# Usage: abi_check_test.sh <abi_check.sh> <suppressions> <folder of the versions> <work folder>
set -euo pipefail

check=$1 suppressions=$2 versions=$3 work=$4
rm -rf "$work"
mkdir -p "$work"
cp "$suppressions" "$work/pzTools.abignore"

"$check" update "$versions/base/libabiFixture.so" "$work" fixture "" >/dev/null || exit $?

failed=0
expect() {
    local version=$1 expected=$2 status=0
    "$check" check "$versions/$version/libabiFixture.so" "$work" fixture "" \
        >"$work/$version.log" 2>&1 || status=$?
    if ((status != expected)); then
        echo "FAIL: version '$version' gave $status, expected $expected:" >&2
        cat "$work/$version.log" >&2
        failed=1
    else
        echo "ok: version '$version' gave $status"
    fi
}

expect base 0
expect added 0
expect record 0
expect removed 1
expect grown 1
expect renamed 77
exit $failed
