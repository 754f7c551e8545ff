#include "app/program.h"

#include "sound/sound_player.h"

Program::Program() : Program(std::make_unique<Sound_player>()) {}

Program::Program(std::unique_ptr<Player> player) : player_(std::move(player)) {}
