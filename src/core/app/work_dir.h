// Settling the working directory: the directory that holds pimlo.conf, the
// current one first, else the executable's own. The program then stays there
// and names every file relative to it.
#pragma once

#include <string>

// `argv0` must end in ".x". On success the current directory holds a
// readable "pimlo.conf"; otherwise prints the reason and stops (status 1).
void WORK_DIR(const std::string& argv0);
