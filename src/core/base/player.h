// The seam between the program and the sound device.
//
// The drill's sound cues and the lesson text's sound buttons play through
// this interface. The program's player reads files with libsndfile and plays
// them through ALSA or OSS (src/sound); tests play through the same player
// into ALSA's file output, and the fuzz targets and the benchmark use the
// silent one below.
#pragma once

#include <string>

class Player {
 public:
  virtual ~Player() = default;

  // Plays the frames of the sound file `path` from `start` up to `stop`
  // (the whole file for 0 and 0), synchronously. True when something went
  // to a device; a file or device that fails is reported by the player and
  // gives false. Never ends the program.
  virtual bool play_range(const std::string& path, long start, long stop) = 0;
};

// A player without device: plays nothing and says nothing.
class Null_player final : public Player {
 public:
  bool play_range(const std::string&, long, long) override { return false; }
};
