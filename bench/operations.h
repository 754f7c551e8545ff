// The window's operations timed headless, in the catalogue that is the
// current directory (already built): loading the largest lesson, drill
// presses, recording a drill, the lesson generators and the two listings.
#pragma once

#include "report.h"

namespace bench {

// Times each operation `reps` times (the medians go into `report`, each
// beside its floor). Stops the process with a message when the program
// stops (a ProgramStop) on the way.
void measure_operations(int reps, Report& report);

}  // namespace bench
