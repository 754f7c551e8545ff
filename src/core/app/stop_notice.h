// What a fatal stop tells a user who may never see standard output (the
// program started from a menu): the message printed, the file at fault and
// what to do about it. The window shows it before the program ends.
#pragma once

#include <string>

#include "base/stop.h"

// The text of the notice for `stopped`: a first line that says the program
// stops, then why and what to do. `logged`: the log "pimlo_log" of this run
// is open and holds the details. Cannot fail.
std::string stop_notice(const ProgramStop& stopped, bool logged);
