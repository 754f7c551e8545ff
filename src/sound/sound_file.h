// Opening a sound file for playback and the blocks it is read in.
//
// A file is read block by block through two sample buffers that live for the
// whole run (float samples for ALSA and scaled float files, 16-bit samples
// for OSS), so nothing is allocated per block. They are process-wide and
// meant for the one thread that plays sounds.
#pragma once

#include <sndfile.h>

#include <memory>
#include <optional>
#include <span>
#include <string>

// Samples in one block: 1024 frames of a stereo file, 2048 of a mono file.
inline constexpr long kBlockSamples = 2048;

// The run-wide block buffers, each kBlockSamples long. Can't fail.
std::span<float, kBlockSamples> float_block();
std::span<short, kBlockSamples> short_block();

// Which output a file is opened for: it decides the messages printed.
enum class Sound_path { alsa, oss };

struct Sndfile_close {
  void operator()(SNDFILE* file) const { sf_close(file); }
};

// An open sound file; closed when destroyed.
struct Sound_file {
  std::unique_ptr<SNDFILE, Sndfile_close> handle;
  SF_INFO info{};

  SNDFILE* get() const { return handle.get(); }
  int channels() const { return info.channels; }
  int samplerate() const { return info.samplerate; }
};

// Opens `name` for playing. Fails (empty result) when libsndfile cannot open
// it: prints "alsa_play Not able to open file \n" first on the ALSA path, then
// libsndfile's error text as a line; or when the file has neither 1 nor 2
// channels: prints "Error : channels = %d.\n". Messages go to standard output.
std::optional<Sound_file> open_sound_file(const std::string& name, Sound_path path);

// True when the samples are stored as float or double.
bool has_float_samples(const Sound_file& file);

// The largest absolute sample value of the whole file, as libsndfile
// measures it (SFC_CALC_SIGNAL_MAX); the read position is back at the first
// frame afterwards. Returns 0 when it cannot be measured.
double signal_peak(const Sound_file& file);

// Scale of float samples sent to the 16-bit device: 32700 / peak, or 1 when
// the peak is below 1e-10 (a silent file).
double dsp_float_scale(double peak);

// Scale of float samples sent to the float device, whose full scale is 1:
// 1 / peak when the peak is above 1, so that nothing clips, else 1, so that
// quiet recordings are played as quiet as they are.
double alsa_float_scale(double peak);

// Moves the file to frame `frame`. Fails (false, after a message on standard
// output) when the frame lies outside the file.
bool seek_frame(const Sound_file& file, long frame, const std::string& name);

// Where a range stops, counted in samples as blocks are read.
class Range_cursor {
 public:
  Range_cursor(long rg_start, long rg_stop, int channels)
      : position_(rg_start * channels), stop_(rg_stop * channels) {}

  // Accounts for a block of `count` samples just read and returns how many
  // of them lie before the stop; the caller sets the others to 0. After the
  // block that reaches the stop, done() is true. Can't fail.
  long keep(long count);
  bool done() const { return done_; }

 private:
  long position_;
  long stop_;
  bool done_ = false;
};
