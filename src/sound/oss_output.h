// The OSS output: "/dev/dsp" (or "/dev/sound/dsp") set up for 16-bit signed
// little-endian samples at the file's channel count and rate.
//
// Every failure here is reported on standard error and leaves the sound
// unplayed; none ends the program.
#pragma once

#include <cstddef>

// The message printed (once per run) when neither output exists.
inline constexpr const char* kNoSoundDevice =
    "no sound device: neither ALSA (/proc/asound/cards) nor OSS (/dev/dsp, /dev/sound/dsp) is "
    "available \n";

// Opens and sets up the device; returns its file descriptor. Fails (-1) when
// neither device can be opened: the first time in a run it prints
// perror("linux_open_dsp_device : open ") and kNoSoundDevice, later times
// nothing, so a lesson full of sounds does not flood the terminal. A set-up
// request that fails prints its perror text ("linux_open_dsp_device :
// stereo ", ": reset ", ": set format ", ": channels ", ": sample rate ",
// ": sync ") and closes the device before returning -1.
int linux_open_dsp_device(int channels, int srate);

// Writes all `bytes` of `data`. Fails (false) after perror("linux_play :
// write ").
bool dsp_write(int dsp, const void* data, std::size_t bytes);

// Lets the device play what it holds (SNDCTL_DSP_POST, then SNDCTL_DSP_SYNC)
// and closes it. A failing request is reported with perror and the device is
// closed all the same.
void dsp_finish(int dsp);
