# Shared by run.sh and test.sh: install what is missing, then configure and build.
# Usage: . scripts/setup.sh; tarn_setup_packages; tarn_build <dir> [cmake options...]
# TARN_TARGET names the one target to build (all of them when unset).

TARN_PACKAGES="g++ cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev tmux ccache libxcb1-dev xclip xvfb unrtf python3"

tarn_setup_packages() {
  local missing=()
  for p in $TARN_PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq || return 1
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null || return 1
}

tarn_build() {
  local dir="$1"; shift
  # Paths inside the checkout are hashed relative to it, so that clones and
  # worktrees of the same sources share compiled objects.
  export CCACHE_BASEDIR="$PWD"
  if [ ! -f "$dir/build.ninja" ]; then
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S . -B "$dir" -G Ninja "${launcher[@]}" "$@" >/dev/null || return 1
  fi
  cmake --build "$dir" -j"$(nproc)" ${TARN_TARGET:+--target "$TARN_TARGET"} || return 1
}
