#!/usr/bin/env bash
# `sort` and `reformat all` of a file of 1,000,000 lines as whole processes
# (load, the work, save), next to vim and GNU sort (GNU fmt for filling)
# doing the same work on the same file in the same run, and tarn only
# loading and saving it. Reports elapsed seconds and, as a machine shared
# with other work slows all alike, the CPU seconds (user and system).
#   bench/formatting.sh [build dir]      (default: build)
set -euo pipefail
. "$(dirname "$0")/bench_start.sh"
bench_start "${1:-build}" /usr/bin/time:time script:bsdutils vim:vim sort:coreutils fmt:coreutils

# 1,000,000 lines of 3 to 14 words drawn from a small vocabulary, with a
# blank line after every tenth line: 100,000 paragraphs.
awk 'BEGIN {
  srand(13)
  n = split("the of and to in is was that for it with as his on be at by had are but from or have an they which one you were her all she there would their we him been has when who will more no if out so said what up its about into than them can only other new some could time these two may then do first any my now such like our over man me even most made after also did many before must through back years where much your way well down should because each just those people mr how too little state good very make world still own see men work long get here between both life being under never day same another know while last might us great old year off come since against go came right used take three", w, " ")
  for (i = 1; i <= 1000000; i++) {
    if (i % 10 == 0) { print ""; continue }
    k = 3 + int(rand() * 12); s = w[1 + int(rand() * 150)]
    for (j = 1; j < k; j++) s = s " " w[1 + int(rand() * 150)]
    print s
  }
}' > lines.txt

# Seconds of tarn on a terminal that answers nothing, with function strings
# after the file.
tarn_seconds() {
  local strings=""
  for s in "$@"; do strings="$strings \"$s\""; done
  measure script -qec \
    "'$tarn' /p./profile/ \"'s oncommand off'\" \"'s linetrim off'\" lines.txt $strings \"[file out.txt]\"" /dev/null
}

ratio() { echo "$1 / $2" | bc -l; }
# a line of the report: name, "elapsed cpu", and what follows
report() {
  local name=$1 e c
  read -r e c <<< "$2"
  shift 2
  printf '  %-9s %6.2f s  cpu %5.2f s  %s\n' "$name" "$e" "$c" "$*"
}
elapsed() { echo "${1%% *}"; }

load_save=$(tarn_seconds)
# tarn writes CR LF line ends with the built-in profile.
written() { tr -d '\r' < out.txt; }

# Sorting: byte order, as GNU sort does in the C locale.
gnu=$(LC_ALL=C measure sort lines.txt -o sorted.txt)
vim_sort=$(measure vim -es -u NONE -c 'sort' -c 'w! out.txt' -c 'q!' lines.txt)
tarn_sort=$(tarn_seconds "[sort]")
cmp -s <(written) sorted.txt || echo "warning: tarn's sorted file differs from GNU sort's"
echo "sort of 1,000,000 lines"
report "GNU sort" "$gnu"
report vim "$vim_sort"
report tarn "$tarn_sort" "$(printf 'tarn/vim %.2f  tarn/GNU sort %.2f' \
  "$(ratio "$(elapsed "$tarn_sort")" "$(elapsed "$vim_sort")")" "$(ratio "$(elapsed "$tarn_sort")" "$(elapsed "$gnu")")")"
report "tarn load and save alone" "$load_save"

# Reformatting every paragraph at 72 columns.
fmt_s=$(measure fmt -w 72 lines.txt)
vim_fill=$(measure vim -es -u NONE -c 'set tw=72' -c 'normal gggqG' -c 'w! out.txt' -c 'q!' lines.txt)
tarn_fill=$(tarn_seconds "'s margins 1 72 1'" "[ra]")
written | awk 'length > 72 && index($0, " ") { bad = 1 } END { exit bad }' || echo "warning: a reformatted line is longer than 72"
[ "$(written | grep -c .)" -lt "$(grep -c . lines.txt)" ] || echo "warning: reformat all left the lines as they were"
echo "reformat all of 1,000,000 lines at 72 columns"
report "GNU fmt" "$fmt_s"
report vim "$vim_fill"
report tarn "$tarn_fill" "$(printf 'tarn/vim %.2f' "$(ratio "$(elapsed "$tarn_fill")" "$(elapsed "$vim_fill")")")"
