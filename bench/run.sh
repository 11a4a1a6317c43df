#!/usr/bin/env bash
# Runs every benchmark against stores of 10 000, 100 000 and 1 000 000 products (or the
# sizes given) and the demo store, prints each program's table and its figures, one
# "name value unit" line each, then how the figures stand against the targets.
# Usage: bash bench/run.sh BUILD_DIR [PRODUCTS...]
# The stores are kept in BUILD_DIR/bench-stores and made again only when the generator is
# newer. Figures also go to BUILD_DIR/bench-figures.txt. Never fails on a slow figure.
set -u
build=$(cd "${1:?usage: bash bench/run.sh BUILD_DIR [PRODUCTS...]}" && pwd)
shift
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(10000 100000 1000000)
src=$(cd "$(dirname "$0")/.." && pwd)
bin=$build/bin
stores=$build/bench-stores
figures=$build/bench-figures.txt
export QT_QPA_PLATFORM=offscreen
unset CONSULTA_SERVIDOR CONSULTA_COMANDAS
mkdir -p "$stores"

# The programs print indented table lines and "name value unit" figures: the tables are
# shown as they come, the figures all together at the end.
run() {
  "$@" 2> >(grep -v -e 'XDG_RUNTIME_DIR' -e 'propagateSizeHints' >&2) | tee -a "$figures.tmp" | grep '^ '
}

# A terminal folder: the store, the sample configuration and a copy of the program.
terminal_folder() {
  cp "$src/db/Consulta.INI" "$src/db/EtiquetaArmazena.INI" "$bin/Consulta" "$1/"
}

: > "$figures.tmp"
echo "Terminal de Consulta benchmarks: $(date '+%Y-%m-%d %H:%M'), $(nproc) cores, $(git -C "$src" describe --always --dirty 2>/dev/null)"
echo "  load before: $(uptime | sed 's/.*load average/load average/')"

for products in "${sizes[@]}"; do
  folder=$stores/$products
  mkdir -p "$folder"
  if [ ! -f "$folder/consulta.db" ] || [ "$bin/bench-store" -nt "$folder/consulta.db" ]; then
    run "$bin/bench-store" "$folder" "$products"
  fi
  terminal_folder "$folder"
  echo
  run "$bin/bench-scan" "$folder"
  echo
  run "$bin/bench-search" "$folder"
done

# Start-up of the real program, watched from outside under a private X server.
demo=$stores/demo
rm -rf "$demo" && mkdir -p "$demo"
"$bin/consulta-demo" "$demo" >/dev/null
terminal_folder "$demo"
display=:$((100 + RANDOM % 400))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 1 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
echo
DISPLAY=$display run "$bin/bench-startup" demo "$demo/Consulta" 10
largest=$(printf '%s\n' "${sizes[@]}" | sort -n | tail -1)
DISPLAY=$display run "$bin/bench-startup" "$largest" "$stores/$largest/Consulta" 10
kill "$xvfb" 2>/dev/null
wait "$xvfb" 2>/dev/null

echo "  load after: $(uptime | sed 's/.*load average/load average/')"
grep -E '^[a-z][^ ]* [-0-9.e+]+ [A-Za-z]+$' "$figures.tmp" > "$figures"
rm -f "$figures.tmp"
echo
echo "Figures (also in $figures):"
cat "$figures"

# The targets, at the largest store.
echo
echo "Targets (set for 1000000 products), at $largest products:"
awk -v n="$largest" '
  function check(what, ok) { printf "  %-62s %s\n", what, ok ? "met" : "MISSED" }
  { value[$1] = $2 }
  END {
    for (k in value) {
      split(k, part, ".")
      if (part[1] == "scan" && part[2] == n && part[4] == "p99")
        check(sprintf("scan p99 < 5 ms (%s: %.2f ms)", part[3], value[k]), value[k] < 5)
      if (part[1] == "search" && part[2] == n && part[4] ~ /^[0-9]+$/ && part[4] >= 3 && part[5] == "p95") {
        ratio = value["search." n "." part[3] "." part[4] ".ratio_p95"]
        check(sprintf("keystroke p95 < 30 ms, >= 5x the bare scan (%s, %d letters: %.2f ms, %.0fx)",
                      part[3], part[4], value[k], ratio), value[k] < 30 && ratio >= 5)
      }
      if (part[1] == "startup" && part[3] == "p50")
        check(sprintf("start-up < 1 s (%s store: %.0f ms)", part[2], value[k]), value[k] < 1000)
      if (part[1] == "startup" && part[3] == "rss")
        check(sprintf("memory < 150 MB at start-up (%s store: %.1f MB)", part[2], value[k]), value[k] < 150)
      if ((part[1] == "scan" || part[1] == "search") && part[2] == n && part[3] == "rss")
        check(sprintf("memory < 150 MB after the %s benchmark (%.1f MB)", part[1], value[k]), value[k] < 150)
    }
  }' "$figures" | sort
exit 0
