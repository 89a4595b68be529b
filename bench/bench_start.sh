# Sourced by the whole-process benchmarks. bench_start <build dir>
# <command:package>... finds the built tarn, installs the peers that are
# missing and moves into a scratch folder (with an empty profile folder)
# that is removed at exit. Sets tarn, source (the checkout) and work.
# measure <command>... prints its elapsed and CPU (user and system) seconds.
bench_start() {
  source=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  tarn="$source/$1/tarn"
  [ -x "$tarn" ] || { echo "build tarn first (./run.sh or cmake --build $1)"; exit 1; }
  shift
  local missing=() pair sudo=""
  for pair in "$@"; do
    command -v "${pair%%:*}" >/dev/null || missing+=("${pair#*:}")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
  fi
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  cd "$work"
  mkdir profile
}

measure() {
  /usr/bin/time -f "%e %U %S" -o m.txt "$@" >/dev/null 2>&1 || true
  awk '{ printf "%.2f %.2f\n", $1, $2 + $3 }' m.txt
}
