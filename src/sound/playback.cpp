#include "sound/playback.h"

#include <cstdio>
#include <cstdlib>

#include "sound/play_steps.h"

bool sound_output_is_alsa() {
  const char* config = std::getenv("ALSA_CONFIG_PATH");
  if (config != nullptr && *config != '\0') return true;
  std::FILE* cards = std::fopen("/proc/asound/cards", "r");
  if (cards == nullptr) return false;
  std::fclose(cards);
  return true;
}

int play_total(const std::string& sndfile_name) {
  return sound_output_is_alsa() ? alsa_play_total(sndfile_name) : linux_play_total(sndfile_name);
}

int play_range(const std::string& sndfile_name, long rg_start, long rg_stop) {
  if (rg_start == 0 && rg_stop <= 0) return play_total(sndfile_name);
  return sound_output_is_alsa() ? alsa_range_play(sndfile_name, rg_start, rg_stop)
                                : linux_range_play(sndfile_name, rg_start, rg_stop);
}
