// Rewriting lines of a file at their old length, all or nothing.
//
// A recording changes a few statistics lines here and there in a history
// file. Written straight into the file, a crash between two of those writes
// would leave a file that is neither the old one nor the new one. Instead
// the first change copies the file into a new version beside it
// (text/durable_file.h), every change goes into that copy, and commit()
// puts it in place of the file. Until then the file keeps its old bytes,
// whatever happens.
//
// The bytes of the new file are those of the old one with the changes laid
// over them: its length and every offset in it stay as they were. A rewrite
// dropped without a successful commit removes its copy.
#pragma once

#include <string>
#include <string_view>

#include "text/durable_file.h"

class Staged_rewrite {
 public:
  Staged_rewrite() = default;
  Staged_rewrite(const Staged_rewrite&) = delete;
  Staged_rewrite& operator=(const Staged_rewrite&) = delete;

  // Prepares changes of `path`, which must be a writable regular file.
  // False when it is not; nothing is created then.
  bool open(const std::string& path);
  bool is_open() const { return !target_.empty(); }

  // True once a change was made: the copy exists and holds every change.
  bool staged() const { return copy_.is_open(); }

  // The file that holds the current bytes: the copy once a change was made,
  // else the file itself.
  const std::string& current_path() const { return staged() ? copy_.path() : target_; }

  // Overwrites bytes at `offset` of the copy, making the copy first. False
  // when the copy cannot be made or the write fails or is short; the change
  // is then lost and commit() fails.
  bool write_at(long offset, std::string_view bytes);

  // Puts the copy, with its changes, in place of the file, synced to disk.
  // True at once when nothing was changed. False when a step failed: the
  // copy is removed and the file keeps its old bytes. Closed afterwards
  // either way.
  bool commit();

  // commit() in two steps, for several rewrites put in place as one
  // (history/commit_together.h): stage() syncs and closes the copy, then
  // put_in_place() renames it over the file. Both true at once when nothing
  // was changed; false when the step failed (the copy is removed then).
  bool stage();
  bool put_in_place();
  const std::string& target() const { return target_; }
  // The name of the staged copy past the file's own name (".new" ...);
  // empty when nothing was changed.
  std::string copy_suffix() const;

  // Drops the changes: removes the copy. The file is not touched.
  void abandon();

 private:
  bool make_copy();

  Durable_file copy_;
  std::string target_;
  bool failed_ = false;
};
