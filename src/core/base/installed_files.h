// The files the program comes with besides the lessons: the help file and
// the resource file. The working directory's own copy wins; without one the
// installed copy is used, from the program's data directory: the directory
// $PIMLO_DATA_DIR names when set (the launcher sets it), else the one the
// build was configured to install into.
#pragma once

#include <string>

// `path` (relative to the working directory) when it can be read there,
// else the installed file of the same name when that can be read, else
// `path` itself (whose opening then fails as it would have). Cannot fail.
std::string working_or_installed(const std::string& path);
