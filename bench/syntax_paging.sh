#!/usr/bin/env bash
# Paging through a million lines of C from top to bottom with syntax
# colouring on, in a real terminal (tmux, 200 by 62): tarn against vim with
# `syntax on`, each redrawing every page. Reports seconds for the paging
# alone (the time to load the file and quit is taken off for tarn; vim
# times its loop itself).
#   bench/syntax_paging.sh [build dir]      (default: build)
set -euo pipefail
. "$(dirname "$0")/bench_start.sh"
bench_start "${1:-build}" tmux:tmux vim:vim bc:bc
socket="tarn-paging-$$"
trap 'tmux -L "$socket" kill-server 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$source/data/TARN.Kwd" profile/
printf 's syntaxcoloringext0 .c\ns oncommand off\n' > profile/TARN.Pro

cat > sample.c <<'C'
#include <stdio.h>
/* Counts the words of a file, as the
   command line asks for them. */
static size_t count_words(const char *text, size_t length) {
  size_t words = 0; int inside = 0;  // a word is a run of letters
  for (size_t i = 0; i < length; ++i) {
    if (text[i] == ' ' || text[i] == '\t') { inside = 0; continue; }
    if (!inside) ++words, inside = 1;
  }
  return words;
}

int main(int argc, char **argv) {
  const char *message = "usage: count \"file\"";
  if (argc < 2) { fprintf(stderr, "%s\n", message); return 1; }
  double ratio = 0.75e-3 * (double)argc + 0x1Fu;
  printf("%zu\n", count_words(argv[1], strlen(argv[1])));
  return 0;
}
C
for ((i = 0; i < 100; i++)); do cat sample.c; done > chunk.c
lines=$(wc -l < chunk.c)
for ((i = 0; i < 1000000 / lines + 1; i++)); do cat chunk.c; done > all.c
head -n 1000000 all.c > big.c

cat > page.vim <<'VIM'
syntax on
normal! gg
redraw
let s:start = reltime()
while line('w$') < line('$')
  execute "normal! \<C-f>"
  redraw
endwhile
call writefile([reltimestr(reltime(s:start))], 'vim.seconds')
qa!
VIM

# Runs a command in a 200 by 62 pane and waits for it to end; prints its seconds.
in_terminal() {
  rm -f done
  local start end
  start=$(date +%s.%N)
  tmux -L "$socket" -f /dev/null new-session -d -s p -x 200 -y 62 "$* ; touch '$work/done'"
  while [ ! -e done ]; do sleep 0.05; done
  end=$(date +%s.%N)
  tmux -L "$socket" kill-server 2>/dev/null || true
  echo "$end - $start" | bc
}

load=$(in_terminal "'$tarn' /p./profile/ big.c '[quit]'")
paged=$(in_terminal "'$tarn' /p./profile/ big.c '[top]{[pd]}' '[quit]'")
in_terminal "vim -u NONE -N -i NONE -S page.vim big.c" >/dev/null
printf 'paging through %d lines of C, 200 by 62, every page drawn\n' 1000000
printf '  tarn %6.2f s  (%.2f s with loading and quitting)\n' "$(echo "$paged - $load" | bc)" "$paged"
printf '  vim  %6.2f s\n' "$(cat vim.seconds)"
