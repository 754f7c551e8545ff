// Putting the history files one recording rewrote in place as one: after a
// kill, a power cut or a full disk either every file of the recording is
// new or every one is old.
//
// Each file's changes are staged in a copy beside it (staged_rewrite.h).
// The copies are synced, then the journal notes them with their targets
// (answer_journal.h), then each is renamed over its file, then the journal
// notes the commit done. A start-up that finds a noted commit not done
// renames the copies still there (complete_unfinished_commit); copies
// without a note are removed as any unfinished copy is
// (app/unfinished_copies.h).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "history/staged_rewrite.h"

class Answer_journal;
class LogFile;

// Commits `rewrites` together. Returns the file at fault when one could
// not be staged (every file then keeps its old bytes) or put in place.
// A journal that cannot be written does not stop the commit: the files are
// put in place one after the other then.
std::optional<std::string> commit_together(
    const std::vector<std::unique_ptr<Staged_rewrite>>& rewrites, Answer_journal& journal);

// Finishes the last commit the journal noted, when its renames were cut
// short: each copy still present is renamed over its file, and the journal
// notes the commit done. Logs each file so put in place.
void complete_unfinished_commit(Answer_journal& journal, LogFile& log);
