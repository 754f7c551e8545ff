// Playing through ALSA: blocks of float samples. Files stored as float or
// double are scaled by alsa_float_scale so that loud ones do not clip.
#include <algorithm>
#include <optional>

#include "base/trace.h"
#include "sound/alsa_output.h"
#include "sound/play_steps.h"
#include "sound/sound_file.h"

namespace {

struct Alsa_playback {
  Sound_file file;
  Alsa_pcm pcm;
};

// Opens the file, then the device. Empty when either fails (after their
// messages; the file is closed again).
std::optional<Alsa_playback> open_playback(const std::string& name) {
  std::optional<Sound_file> file = open_sound_file(name, Sound_path::alsa);
  if (!file) return std::nullopt;
  Alsa_pcm pcm = alsa_open(file->channels(), file->samplerate());
  if (!pcm) return std::nullopt;
  return Alsa_playback{std::move(*file), std::move(pcm)};
}

float float_scale(const Sound_file& file) {
  if (!has_float_samples(file)) return 1.0f;
  const double peak = signal_peak(file);
  const double scale = alsa_float_scale(peak);
  trace("float samples, peak %g, scale %g\n", peak, scale);
  return static_cast<float>(scale);
}

// Reads and writes block by block from the current position until the end
// of the file or, with a cursor, until the block that reaches its stop.
void stream_blocks(Alsa_playback& playback, float scale, Range_cursor* cursor) {
  const std::span<float, kBlockSamples> block = float_block();
  const int channels = playback.file.channels();
  for (;;) {
    const long count = sf_read_float(playback.file.get(), block.data(), kBlockSamples);
    if (count <= 0) break;
    if (scale != 1.0f)
      std::for_each(block.begin(), block.begin() + count, [scale](float& s) { s *= scale; });
    if (cursor) std::fill(block.begin() + cursor->keep(count), block.begin() + count, 0.0f);
    alsa_write_float(playback.pcm.get(), block.data(), static_cast<int>(count / channels),
                     channels);
    if (cursor && cursor->done()) break;
  }
  snd_pcm_drain(playback.pcm.get());
}

}  // namespace

int alsa_play_total(const std::string& sndfile_name) {
  trace("Playing %s\n", sndfile_name.c_str());
  std::optional<Alsa_playback> playback = open_playback(sndfile_name);
  if (!playback) return 0;
  stream_blocks(*playback, float_scale(playback->file), nullptr);
  return 1;
}

int alsa_range_play(const std::string& sndfile_name, long rg_start, long rg_stop) {
  trace("Playing %s from %ld to %ld\n", sndfile_name.c_str(), rg_start, rg_stop);
  std::optional<Sound_file> file = open_sound_file(sndfile_name, Sound_path::alsa);
  if (!file) return 0;
  Alsa_pcm pcm = alsa_open(file->channels(), file->samplerate());
  if (!pcm) {
    say("alsa_range_play NULL level 1 return %s\n", sndfile_name.c_str());
    return 0;
  }
  if (rg_stop < rg_start) return 0;

  Alsa_playback playback{std::move(*file), std::move(pcm)};
  const float scale = float_scale(playback.file);
  if (!seek_frame(playback.file, rg_start, sndfile_name)) return 0;
  Range_cursor cursor(rg_start, rg_stop, playback.file.channels());
  stream_blocks(playback, scale, &cursor);
  return 1;
}
