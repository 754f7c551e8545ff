// The program's player: sound files read with libsndfile, played through
// ALSA or, on machines without it, the OSS device (playback.h).
#pragma once

#include "base/player.h"
#include "sound/playback.h"

class Sound_player final : public Player {
 public:
  bool play_range(const std::string& path, long start, long stop) override {
    return ::play_range(path, start, stop) != 0;
  }
};
