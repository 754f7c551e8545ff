// The start-up sequence of pimlo.x, from the check of its own name to the
// moment the window would be built.
#pragma once

// Runs the start-up for the executable path `argv0`; returns the exit status.
// A fatal case prints its message and returns its status; nothing escapes.
int run_pimlo(int argc, char** argv);
