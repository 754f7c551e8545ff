// Playing a sound file, whole or a range of its frames.
//
// Files are read with libsndfile, so every format it opens is accepted; only
// mono and stereo files are played. Output goes through ALSA when the machine
// has it (see sound_output_is_alsa), otherwise through the OSS device.
// Playback is synchronous: both functions return once the sound has been
// played. They return 1 when the sound went to a device and 0 when nothing
// was played, so that a caller can show in text what could not be heard.
// Failures show as messages: those of the sound device layer on standard
// error, the others on standard output.
// Neither function ever ends the program: without any sound device they say
// so (once per run) and play nothing.
#pragma once

#include <string>

// Plays the whole file. Returns 1 once played; a file that cannot be opened,
// has more than two channels, or finds no device is reported, not played, and
// gives 0.
int play_total(const std::string& sndfile_name);

// Plays the frames from rg_start up to rg_stop (stop frame excluded), padded
// with silence to the end of the block that holds the stop frame (at most
// one block of 2048 samples). With rg_start 0 and rg_stop 0 or less the whole
// file is played. A stop below the start plays nothing; a stop beyond the
// end plays to the end; a start beyond the end (or negative) is reported and
// plays nothing. Returns 1 when something was played, else 0.
int play_range(const std::string& sndfile_name, long rg_start, long rg_stop);

// True when playback goes through ALSA: "/proc/asound/cards" can be read, or
// the environment variable ALSA_CONFIG_PATH is set (non-empty), which names an
// ALSA configuration of its own, such as a test's file output. Can't fail.
bool sound_output_is_alsa();
