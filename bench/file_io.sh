#!/usr/bin/env bash
# Loading and saving whole files as whole processes: tarn against cp and vim
# on the same files in the same run. Reports seconds, the ratios and the peak
# memory as a multiple of the file size.
#   bench/file_io.sh [build dir]      (default: build)
set -euo pipefail
. "$(dirname "$0")/bench_start.sh"
bench_start "${1:-build}" /usr/bin/time:time script:bsdutils vim:vim

# 1,000,000 lines of 80 bytes (79 characters and LF), and 4 lines of 1 MB.
awk 'BEGIN { s = sprintf("%079d", 0); for (i = 0; i < 1000000; i++) print s }' > lines.txt
for i in 1 2 3 4; do head -c 1048576 /dev/zero | tr '\0' x; echo; done > long.txt

# seconds and peak kilobytes of a command
measure_memory() {
  /usr/bin/time -f "%e %M" -o m.txt "$@" >/dev/null 2>&1 || true
  cat m.txt
}

for file in lines.txt long.txt; do
  size_kb=$(( $(stat -c %s "$file") / 1024 ))
  read -r cp_s cp_kb < <(measure_memory cp "$file" out.txt)
  read -r vim_s vim_kb < <(measure_memory vim -es -u NONE -c 'w! out.txt' -c 'q!' "$file")
  # The editor needs a terminal: script gives it one that answers nothing.
  read -r tarn_s tarn_kb < <(measure_memory script -qec \
    "'$tarn' /p./profile/ \"'s oncommand off'\" \"'s linetrim off'\" $file \"[file out.txt]\"" /dev/null)
  # Lines longer than the longest allowed line are cut into several.
  cmp -s <(tr -d '\r\n' < out.txt) <(tr -d '\n' < "$file") || echo "warning: $file was not saved as it was read"
  echo "$file ($((size_kb / 1024)) MB)"
  printf '  cp   %6.2f s\n' "$cp_s"
  printf '  vim  %6.2f s  peak %.2f x file\n' "$vim_s" "$(echo "$vim_kb / $size_kb" | bc -l)"
  printf '  tarn %6.2f s  peak %.2f x file   tarn/vim %.2f   tarn/cp %.1f\n' "$tarn_s" \
    "$(echo "$tarn_kb / $size_kb" | bc -l)" "$(echo "$tarn_s / $vim_s" | bc -l)" \
    "$(echo "$tarn_s / ($cp_s + 0.01)" | bc -l)"
done
