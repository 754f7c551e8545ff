// The ALSA output: the "default" PCM, set up for interleaved 32-bit float
// frames at the file's rate and channel count, and blocking writes that
// survive underruns.
//
// All messages of this layer go to standard error.
#pragma once

#include <alsa/asoundlib.h>

#include <memory>

struct Pcm_close {
  void operator()(snd_pcm_t* pcm) const { snd_pcm_close(pcm); }
};

// An open PCM; closed (without waiting for what is queued) when destroyed.
using Alsa_pcm = std::unique_ptr<snd_pcm_t, Pcm_close>;

// Opens "default" for playback in blocking mode with `channels` interleaved
// float channels at the rate nearest `samplerate`, a buffer near 4096 frames
// and a period near 1024 frames; playback starts once the buffer is full.
// Fails (null result) after printing the message of the step that failed,
// with the device closed again.
Alsa_pcm alsa_open(int channels, int samplerate);

// Writes `frames` interleaved float frames, going on after partial writes.
// Returns `frames` when all were written; on a write error gives up the rest
// and returns 0 after its message, or the negative code when underruns keep
// coming (see Underrun_counter). A device that is not ready yet (EAGAIN) is
// waited for and written again.
int alsa_write_float(snd_pcm_t* alsa_dev, const float* data, int frames, int channels);

// Counts underruns over the whole run so that a lone underrun passes in
// silence while a series of them is reported and then given up.
//
// Every call of alsa_write_float lowers the counter by 1 (down to 0); every
// underrun raises it by 100. An underrun that finds the counter above 0 is
// reported ("alsa_write_float: EPIPE %d\n"); one that finds it above 140
// gives up the block.
class Underrun_counter {
 public:
  void on_write_call() {
    if (count_ > 0) --count_;
  }

  // Accounts for one underrun; returns true when the block must be given up.
  // Otherwise the caller prepares the PCM and writes on.
  bool on_underrun();

  int count() const { return count_; }

 private:
  int count_ = 0;
};

// The counter alsa_write_float uses, one for the whole run.
Underrun_counter& run_underruns();
