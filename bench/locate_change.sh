#!/usr/bin/env bash
# Locate and change as whole processes on a file of 1,000,000 lines: tarn
# against vim, THE and sed doing the same in the same run. Changing: a word
# that every line holds, in every line, then the file written. Locating: a
# word that only the last line holds. Reports seconds and the ratios of
# elapsed time, and the processor time (user and system), which a machine
# shared with other work disturbs less.
#   bench/locate_change.sh [build dir]      (default: build)
set -euo pipefail
. "$(dirname "$0")/bench_start.sh"
bench_start "${1:-build}" /usr/bin/time:time script:bsdutils vim:vim the:the sed:sed bc:bc

awk 'BEGIN { for (i = 1; i < 1000000; i++) printf "%07d the quick alpha fox jumps over the lazy dog\n", i
             print "1000000 the quick alpha fox jumps over the lazy zebra" }' > big.txt
sed 's/alpha/omega/g' big.txt > expected.txt

check() { cmp -s out.txt expected.txt || echo "  warning: $1 did not write the expected text"; rm -f out.txt; }

ratio() { echo "$1 / ($2 + 0.005)" | bc -l; }
report() {
  printf '  sed  %6.2f s  cpu %5.2f s\n  vim  %6.2f s  cpu %5.2f s\n  THE  %6.2f s  cpu %5.2f s\n' \
    "$sed_s" "$sed_c" "$vim_s" "$vim_c" "$the_s" "$the_c"
  printf '  tarn %6.2f s  cpu %5.2f s   tarn/sed %.2f  tarn/vim %.2f  tarn/THE %.2f  (cpu: %.2f %.2f %.2f)\n' \
    "$tarn_s" "$tarn_c" "$(ratio "$tarn_s" "$sed_s")" "$(ratio "$tarn_s" "$vim_s")" "$(ratio "$tarn_s" "$the_s")" \
    "$(ratio "$tarn_c" "$sed_c")" "$(ratio "$tarn_c" "$vim_c")" "$(ratio "$tarn_c" "$the_c")"
}

printf "'change /alpha/omega/ * *'\n'ffile out.txt'\n" > change.the
printf "'/zebra/'\n'qquit'\n" > locate.the
# The editor needs a terminal: script gives it one that answers nothing.
tarn_args="'$tarn' /p./profile/ \"'s oncommand off'\" \"'s linetrim off'\" \"'s carriagereturn off'\" big.txt"

echo "change of alpha in each of 1,000,000 lines, file written"
read -r sed_s sed_c < <(measure sh -c "sed 's/alpha/omega/g' big.txt > out.txt"); check sed
read -r vim_s vim_c < <(measure vim -es -u NONE -c '%s/alpha/omega/g' -c 'w! out.txt' -c 'q!' big.txt); check vim
read -r the_s the_c < <(measure the -b -p change.the big.txt); check THE
read -r tarn_s tarn_c < <(measure script -qec "$tarn_args \"[c/alpha/omega/*]\" \"[file out.txt]\"" /dev/null)
check tarn
report

echo "locate of a word on the last line only"
read -r sed_s sed_c < <(measure sed -n '/zebra/{=;q}' big.txt)
read -r vim_s vim_c < <(measure vim -es -u NONE -c '/zebra' -c 'q!' big.txt)
read -r the_s the_c < <(measure the -b -p locate.the big.txt)
read -r tarn_s tarn_c < <(measure script -qec "$tarn_args \"[l/zebra/]\" \"[quit]\"" /dev/null)
report
