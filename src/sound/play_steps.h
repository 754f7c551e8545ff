// The playing steps behind play_total and play_range, one pair per output.
// Each opens the file and the device, plays, waits until the device has
// played everything, and closes both. All return 0; failures are reported
// by the opening steps (see sound_file.h, alsa_output.h, oss_output.h).
#pragma once

#include <string>

int alsa_play_total(const std::string& sndfile_name);
int alsa_range_play(const std::string& sndfile_name, long rg_start, long rg_stop);

int linux_play_total(const std::string& sndfile_name);
int linux_range_play(const std::string& sndfile_name, long rg_start, long rg_stop);
