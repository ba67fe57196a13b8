#!/usr/bin/env bash
# Writes src/app/startup.order: the program's own functions that run before the
# window's first paint, for the linker to lay out together. Run it after changes to
# what start-up does, from a built tree:
#   scripts/startup-order.sh [BUILD_DIR]
# It needs valgrind; a stale list only costs start-up memory, never correctness.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
program="$build/bench/korvane_first_paint"
[ -x "$program" ] || { echo "startup-order: build bench/korvane_first_paint first" >&2; exit 1; }
out="$(mktemp)"
trap 'rm -f "$out"' EXIT
QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --demangle=no --dump-instr=no \
  --callgrind-out-file="$out" "$program" >/dev/null 2>&1
# Names are compressed: "ob=(3) /path" names object 3, later lines say only "ob=(3)".
awk -v program="$(basename "$program")" '
  function name(line, table,    id, rest) {
    id = line; sub(/^[a-z]+=\(/, "", id); sub(/\).*$/, "", id)
    rest = line; sub(/^[a-z]+=\([0-9]+\) ?/, "", rest)
    if (rest != "") table[id] = rest
    return table[id]
  }
  /^c?ob=/ { o = name($0, objects); if ($0 ~ /^ob=/) current = o; next }
  /^c?fn=/ {
    f = name($0, functions)
    if ($0 ~ /^fn=/ && current ~ ("/" program "$") && f !~ /^0x/ && !(f in seen)) {
      seen[f] = 1; print f
    }
  }' "$out" > "$root/src/app/startup.order"
echo "startup-order: $(wc -l < "$root/src/app/startup.order") functions"
