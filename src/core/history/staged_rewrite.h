// Rewriting lines of a file at their old length, all or nothing.
//
// A recording changes a few statistics lines here and there in a history
// file. Written straight into the file, a crash between two of those writes
// would leave a file that is neither the old one nor the new one. Instead
// the first change makes a copy of the file beside it (same directory, so
// the final rename cannot cross file systems), every change goes into the
// copy, and commit() syncs the copy and renames it over the file. Until
// then the file keeps its old bytes, whatever happens: a program stop, a
// full disk or a crash leaves the old file or the new one, never a mixture.
//
// The bytes of the new file are those of the old one with the changes laid
// over them: its length and every offset in it stay as they were. The copy
// takes the permission bits of the file. A rewrite dropped without a
// successful commit removes its copy.
#pragma once

#include <string>
#include <string_view>

class Staged_rewrite {
 public:
  Staged_rewrite() = default;
  ~Staged_rewrite();
  Staged_rewrite(const Staged_rewrite&) = delete;
  Staged_rewrite& operator=(const Staged_rewrite&) = delete;

  // Prepares changes of `path`, which must be a writable regular file.
  // False when it is not; nothing is created then.
  bool open(const std::string& path);
  bool is_open() const { return !target_.empty(); }

  // True once a change was made: the copy exists and holds every change.
  bool staged() const { return fd_ >= 0; }

  // The file that holds the current bytes: the copy once a change was made,
  // else the file itself.
  const std::string& current_path() const { return staged() ? temp_ : target_; }

  // Overwrites bytes at `offset` of the copy, making the copy first. False
  // when the copy cannot be made or the write fails or is short; the change
  // is then lost and commit() fails.
  bool write_at(long offset, std::string_view bytes);

  // Makes the copy, with its changes, the file: syncs it, renames it over
  // the file and syncs the directory. True at once when nothing was
  // changed. False when a step failed: the copy is removed and the file
  // keeps its old bytes. Closed afterwards either way.
  bool commit();

  // Drops the changes: removes the copy. The file is not touched.
  void abandon();

 private:
  bool make_copy();

  int fd_ = -1;  // the copy, open for reading and writing
  std::string target_;
  std::string temp_;
  bool failed_ = false;
};
