#include "sound/sound_file.h"

#include <algorithm>
#include <array>

#include "base/stop.h"

std::span<float, kBlockSamples> float_block() {
  static std::array<float, kBlockSamples> samples{};
  return samples;
}

std::span<short, kBlockSamples> short_block() {
  static std::array<short, kBlockSamples> samples{};
  return samples;
}

std::optional<Sound_file> open_sound_file(const std::string& name, Sound_path path) {
  Sound_file file;
  file.handle.reset(sf_open(name.c_str(), SFM_READ, &file.info));
  if (!file.handle) {
    if (path == Sound_path::alsa) say("alsa_play Not able to open file \n");
    say("%s\n", sf_strerror(nullptr));
    return std::nullopt;
  }
  if (file.channels() < 1 || file.channels() > 2) {
    say("Error : channels = %d.\n", file.channels());
    return std::nullopt;
  }
  return file;
}

bool has_float_samples(const Sound_file& file) {
  const int subformat = file.info.format & SF_FORMAT_SUBMASK;
  return subformat == SF_FORMAT_FLOAT || subformat == SF_FORMAT_DOUBLE;
}

double signal_peak(const Sound_file& file) {
  double peak = 0;
  if (sf_command(file.get(), SFC_CALC_SIGNAL_MAX, &peak, sizeof peak) != 0) peak = 0;
  sf_seek(file.get(), 0, SEEK_SET);
  return peak;
}

double dsp_float_scale(double peak) {
  return peak < 1e-10 ? 1.0 : 32700.0 / peak;
}

double alsa_float_scale(double peak) {
  return peak > 1.0 ? 1.0 / peak : 1.0;
}

bool seek_frame(const Sound_file& file, long frame, const std::string& name) {
  if (frame >= 0 && frame <= file.info.frames && sf_seek(file.get(), frame, SEEK_SET) == frame)
    return true;
  say("play_range: frame %ld lies outside %s (%ld frames)\n", frame, name.c_str(),
      static_cast<long>(file.info.frames));
  return false;
}

long Range_cursor::keep(long count) {
  const long before = position_;
  position_ += count;
  if (position_ < stop_) return count;
  done_ = true;
  return std::clamp(stop_ - before, 0L, count);
}
