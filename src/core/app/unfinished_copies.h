// Files left behind by a write that a crash interrupted.
//
// Files of the program are replaced whole: a new version is written beside
// the file and renamed over it when complete (text/durable_file.h). A crash
// before the rename leaves that copy behind, and the file itself as it was.
// Nothing ever reads such a copy; once the working directory is locked
// (work_dir_lock.h) no other program can be writing one, so the start-up
// removes them.
#pragma once

#include <string>

class LogFile;
struct Trf_string;

// Removes the unfinished copies (regular files only) in the working
// directory, the history directory and the working copies' directory of
// `G_kentel`, writing "removed the unfinished copy %s \n" into the log for
// each. Cannot fail: a copy that cannot be removed stays, and the log says
// "cannot remove the unfinished copy %s \n"; a directory that cannot be read
// is passed over.
void remove_unfinished_copies(LogFile& fp_log, const Trf_string& G_kentel);
