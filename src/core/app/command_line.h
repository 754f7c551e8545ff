// The options pimlo.x answers at once, before it reads or writes any file:
// "--help" prints how to start it, "--version" its version. Any other
// argument is the window system's (its own options) and is left to it.
#pragma once

#include <optional>
#include <string>

// What to print instead of running, for the first "--help" or "--version"
// among the arguments after argv[0]; nothing when there is neither. Cannot
// fail.
std::optional<std::string> option_text(int argc, char** argv);
