// Playing through the OSS device: blocks of 16-bit samples. Files stored as
// float or double are read as floats and scaled to 32700 / peak.
#include <algorithm>
#include <cmath>
#include <optional>

#include "base/trace.h"
#include "sound/oss_output.h"
#include "sound/play_steps.h"
#include "sound/sound_file.h"

namespace {

// The open device; posted, synchronised and closed when destroyed.
class Dsp_device {
 public:
  explicit Dsp_device(int fd) : fd_(fd) {}
  Dsp_device(const Dsp_device&) = delete;
  Dsp_device& operator=(const Dsp_device&) = delete;
  ~Dsp_device() {
    if (fd_ >= 0) dsp_finish(fd_);
  }
  int fd() const { return fd_; }

 private:
  int fd_;
};

short to_dsp_sample(float value) {
  return static_cast<short>(std::clamp(std::lrint(value), -32768L, 32767L));
}

// Reads the next block as 16-bit samples; returns how many were read.
long read_block(const Sound_file& file, double float_scale) {
  const std::span<short, kBlockSamples> out = short_block();
  if (float_scale == 0) return sf_read_short(file.get(), out.data(), kBlockSamples);

  const std::span<float, kBlockSamples> in = float_block();
  const long count = sf_read_float(file.get(), in.data(), kBlockSamples);
  const float scale = static_cast<float>(float_scale);
  for (long i = 0; i < count; ++i) out[i] = to_dsp_sample(in[i] * scale);
  return count;
}

// Reads and writes block by block from the current position until the end
// of the file or, with a cursor, until the block that reaches its stop.
// `float_scale` is 0 for files read directly as 16-bit samples.
void stream_blocks(const Sound_file& file, const Dsp_device& dsp, double float_scale,
                   Range_cursor* cursor) {
  const std::span<short, kBlockSamples> block = short_block();
  for (;;) {
    const long count = read_block(file, float_scale);
    if (count <= 0) break;
    if (cursor) std::fill(block.begin() + cursor->keep(count), block.begin() + count, 0);
    if (!dsp_write(dsp.fd(), block.data(), static_cast<std::size_t>(count) * sizeof(short))) break;
    if (cursor && cursor->done()) break;
  }
}

double float_scale_of(const Sound_file& file) {
  if (!has_float_samples(file)) return 0;
  const double peak = signal_peak(file);
  const double scale = dsp_float_scale(peak);
  trace("float samples, peak %g, scale %g\n", peak, scale);
  return scale;
}

}  // namespace

int linux_play_total(const std::string& sndfile_name) {
  trace("Playing %s\n", sndfile_name.c_str());
  std::optional<Sound_file> file = open_sound_file(sndfile_name, Sound_path::oss);
  if (!file) return 0;
  const Dsp_device dsp(linux_open_dsp_device(file->channels(), file->samplerate()));
  if (dsp.fd() < 0) return 0;
  stream_blocks(*file, dsp, float_scale_of(*file), nullptr);
  return 1;
}

int linux_range_play(const std::string& sndfile_name, long rg_start, long rg_stop) {
  trace("Playing %s from %ld to %ld\n", sndfile_name.c_str(), rg_start, rg_stop);
  std::optional<Sound_file> file = open_sound_file(sndfile_name, Sound_path::oss);
  if (!file) return 0;
  const Dsp_device dsp(linux_open_dsp_device(file->channels(), file->samplerate()));
  if (dsp.fd() < 0 || rg_stop < rg_start) return 0;

  const double scale = float_scale_of(*file);
  if (!seek_frame(*file, rg_start, sndfile_name)) return 0;
  Range_cursor cursor(rg_start, rg_stop, file->channels());
  stream_blocks(*file, dsp, scale, &cursor);
  return 1;
}
