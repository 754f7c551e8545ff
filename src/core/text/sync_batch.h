// Many files replaced with one sync.
//
// Writing a thousand files at start-up with a sync each costs far more than
// the writing. A writer that commits into a batch leaves its complete new
// version beside the target (durable_file.h); finish() syncs them all at
// once, renames each over its target in the order they were added and syncs
// each directory once. A crash before the renames leaves every target as it
// was (the new versions are removed at the next start); the renames come
// only after the data is on disk, so each target is then its old or its new
// version. A batch destroyed without finish() (a stop) removes its new
// versions and changes no target.
//
// The batch is passed to whoever commits into it; a commit without one puts
// its file in place at once.
#pragma once

#include <string>
#include <vector>

#include "text/durable_file.h"

class SyncBatch {
 public:
  SyncBatch() = default;
  SyncBatch(const SyncBatch&) = delete;
  SyncBatch& operator=(const SyncBatch&) = delete;

  // Takes a complete new version, closed (Durable_file::close) but not yet
  // in place. Cannot fail.
  void add(Durable_file file);

  // Syncs and puts in place every new version added, then empties the batch.
  // Returns the targets that could not be replaced (they keep their old
  // bytes; their new versions are removed); empty on success.
  std::vector<std::string> finish();

 private:
  std::vector<Durable_file> pending_;
};
