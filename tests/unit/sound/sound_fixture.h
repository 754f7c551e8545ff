// Sound tests play through the real ALSA library into its file output: a
// configuration written at the start of the test program (ALSA_CONFIG_PATH,
// set before any ALSA call) sends the "default" PCM into a file of raw float
// frames, which the tests read back. Test sounds are written by libsndfile.
#pragma once

#include <sndfile.h>

#include <string>
#include <vector>

#include "sandbox.h"

// The test sounds hold a ramp, so that every frame can be identified: a
// 16-bit sample of `frame` on channel 0, its negation on channel 1.
short ramp(long frame, int channel);

// The same sample as the float device receives it.
float ramp_float(long frame, int channel);

// Writes a 16-bit WAV file of `frames` ramp frames.
void write_ramp_file(const std::string& path, int channels, int rate, long frames);

// Writes a WAV file of interleaved `samples` with the given subformat
// (SF_FORMAT_FLOAT, SF_FORMAT_DOUBLE, ...).
void write_sound_file(const std::string& path, int subformat, int channels, int rate,
                      const std::vector<float>& samples);

// The ALSA configuration in force for the whole test program.
const std::string& alsa_config_path();

// Every float sample the last playback sent to the device; empty when
// nothing was played (the recording is cleared before each test).
std::vector<float> recorded_samples();
void clear_recording();

// How many file descriptors the process holds: the same before and after a
// playback when it left no device or file open.
int open_descriptors();

class Sound_test : public Sandbox {
 protected:
  void SetUp() override {
    Sandbox::SetUp();
    clear_recording();
  }
};
