// Replacing a file whole, all or nothing.
//
// The new contents are written to a temporary file beside the target (same
// directory, so the final rename cannot cross file systems), flushed and
// synced, and renamed over the target only when complete. Until commit()
// succeeds the target keeps its old bytes, whatever happens in between: a
// program stop, a full disk or a crash leaves either the old file or the new
// one, never a mixture or a truncated file. A writer destroyed without a
// successful commit removes its temporary file.
//
// The new file takes the permission bits of the file it replaces (a new
// target gets 0666 less the umask, as fopen would give it). A symbolic link
// at the target is replaced by a regular file.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

class AtomicFile {
 public:
  AtomicFile() = default;
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // Starts writing a new version of `path`. Returns false when the temporary
  // file cannot be created (directory missing or not writable); the target
  // is not touched then.
  bool open(const std::string& path);
  bool is_open() const { return fd_ >= 0; }

  // Appends bytes. Writes go through a buffer; a failure is remembered and
  // reported by commit(). Does nothing while no file is open.
  void write(std::string_view bytes);

  // Bytes written so far: the offset at which the next write lands.
  long size() const { return size_; }

  // Makes the new version the file at the target path: flushes the buffer,
  // syncs the file, renames it over the target and syncs the directory.
  // Returns false when any step failed; the temporary file is then removed
  // and the target keeps its old bytes. The writer is closed afterwards.
  // While a SyncBatch is open, the complete temporary file is handed to it
  // instead: the target changes when the batch is finished.
  bool commit();

  // Drops the new version: removes the temporary file. The target is not
  // touched. Does nothing when no file is open.
  void abandon();

  const std::string& target() const { return target_; }

 private:
  bool flush();

  int fd_ = -1;
  std::string target_;
  std::string temp_;
  std::string buffer_;
  long size_ = 0;
  bool failed_ = false;
};

// Syncs the directory that holds `path`, so that a rename into it survives a
// crash. A file system that cannot sync directories is not an error.
void sync_directory_of(const std::string& path);

// Many files replaced with one sync. Writing a thousand files at start-up
// with a sync each costs far more than the writing; while a batch is open,
// every AtomicFile commit leaves its complete temporary file beside the
// target, and finish() syncs them all at once, renames each over its target
// in the order of the commits and syncs each directory once. A crash before
// the renames leaves every target as it was (the temporary files are removed
// at the next start); the renames come only after the data is on disk, so
// each target is then its old or its new version.
//
// One batch at a time. A batch destroyed without finish() (a program stop)
// removes its temporary files and changes no target.
class SyncBatch {
 public:
  SyncBatch();
  ~SyncBatch();
  SyncBatch(const SyncBatch&) = delete;
  SyncBatch& operator=(const SyncBatch&) = delete;

  // Syncs, renames and closes the batch. Returns the targets whose rename
  // failed (they keep their old bytes; their temporary files are removed);
  // empty on success.
  std::vector<std::string> finish();

  // The open batch, or null.
  static SyncBatch* current();

  // Takes a complete, closed temporary file that is to replace `target`.
  void add(std::string temp, std::string target);

 private:
  std::vector<std::pair<std::string, std::string>> pending_;  // temp, target
  bool open_ = true;
};
