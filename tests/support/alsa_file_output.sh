# Sourced by tests that run the real pimlo.x: makes its sounds go through
# ALSA's file output instead of a sound card (none is needed).
#
#   source tests/support/alsa_file_output.sh
#   use_alsa_file_output "$dir"     # before starting pimlo.x
#   ... play sounds ...
#   alsa_recorded_frames "$dir" 1   # frames recorded so far (1 = mono)
#
# Setting ALSA_CONFIG_PATH also makes pimlo use ALSA although the machine has
# no /proc/asound/cards. Every sound played is appended to $dir/alsa_output.raw
# as raw 32-bit float little-endian interleaved frames.

_alsa_support_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# use_alsa_file_output DIR: writes DIR/alsa.conf and exports ALSA_CONFIG_PATH.
use_alsa_file_output() {
  local dir=$1
  : >"$dir/alsa_output.raw"
  sed "s#@OUTPUT@#|cat >> $dir/alsa_output.raw#" \
    "$_alsa_support_dir/alsa_file_output.conf.in" >"$dir/alsa.conf"
  export ALSA_CONFIG_PATH="$dir/alsa.conf"
}

# alsa_recorded_frames DIR CHANNELS: prints how many frames were played.
alsa_recorded_frames() {
  local bytes
  bytes=$(stat -c %s "$1/alsa_output.raw")
  echo $((bytes / (4 * $2)))
}
