# Shared by the scripts: set-up, builds, the X display, Wine and the fuzzers.
# shellcheck shell=bash

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

setup() {
  "$root/scripts/setup"
}

# configure_and_build PRESET [TARGET...]
configure_and_build() {
  local preset=$1
  shift
  cmake --preset "$preset" -G Ninja -S "$root" >/dev/null
  if [ $# -gt 0 ]; then
    cmake --build --preset "$preset" --target "$@"
  else
    cmake --build --preset "$preset"
  fi
}

# Starts an Xvfb of our own on a free display, exports DISPLAY, and stops it
# when the calling script ends.
start_display() {
  local number=99
  while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
    number=$((number + 1))
  done
  Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  trap 'kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true' EXIT
  export DISPLAY=":$number"
  local waited=0
  until xdpyinfo >/dev/null 2>&1; do
    if ! kill -0 "$xvfb_pid" 2>/dev/null || [ $waited -ge 300 ]; then
      echo "Xvfb did not start on $DISPLAY" >&2
      return 1
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
}

# Whether this machine can run 32-bit programs, and so wine32. Some kernels
# are built without IA-32 emulation; there the Windows code is tested as
# 64-bit programs under wine64.
can_run_32bit() {
  /usr/lib/wine/wine --version >/dev/null 2>&1
}

# The Windows build whose programs run here: win32, or win64 where 32-bit
# programs cannot run (said on standard error).
runnable_windows_preset() {
  if can_run_32bit; then
    echo win32
  else
    echo "This machine's kernel cannot run 32-bit programs (no IA-32 emulation), so wine32" >&2
    echo "cannot start: the Windows code runs here built as 64-bit programs, under wine64." >&2
    echo win64
  fi
}

# export_wine_environment PRESET: the Wine set-up of that build's tests, which
# its configure step writes out, for programs started by hand; sets
# wine_loader to the Wine that runs them.
export_wine_environment() {
  # shellcheck source=/dev/null
  source "$root/build/$1/wine-environment.sh"
}

# run_fuzzers SECONDS: each fuzz target for SECONDS over its committed seed
# corpus, new findings kept in the build tree (the seeds stay as they are).
run_fuzzers() {
  local seconds=$1 target
  for target in map_to_simplified selection; do
    local work="$root/build/fuzz/corpus/$target"
    mkdir -p "$work"
    echo "-- fuzzing $target for ${seconds}s"
    "$root/build/fuzz/fuzz/${target}_fuzz" "$work" "$root/fuzz/corpus/$target" \
      -max_total_time="$seconds" -print_final_stats=1 2>&1 | tail -n 12
    [ "${PIPESTATUS[0]}" -eq 0 ] || return 1
  done
}
