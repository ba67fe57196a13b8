#!/usr/bin/env bash
# Builds the .deb and runs lintian on it as a Debian packager would: any error or warning
# fails, and is printed; informational and pedantic tags may stay.
# Usage: check-lintian.sh BUILD_DIR CPACK
set -euo pipefail
build=$1 cpack=$2
command -v lintian >/dev/null || { echo "FAIL: lintian is not installed"; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >/dev/null
deb=$(ls "$scratch"/korvane_*.deb)
# lintian's own status is not enough: it may stop at an error before a warning.
report=$(lintian --no-tag-display-limit "$deb" 2>/dev/null) || true
echo "$report"
bad=$(grep -E '^[EW]: ' <<<"$report" || true)
[ -z "$bad" ] || { echo "FAIL: lintian reports:"$'\n'"$bad"; exit 1; }
echo "lintian: no error and no warning"
