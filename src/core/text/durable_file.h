// Replacing a file durably: the one way the program puts a new version of a
// file in place of the old one.
//
// The new version is made beside the file (same directory, so that the
// final rename cannot cross file systems), named after it: NAME ".new" +
// process id + "_" + count. It takes the permission bits of the file it
// replaces (a new file gets 0666 less the umask, as fopen would give it; a
// symbolic link at the target is replaced by a regular file). Only once it
// is complete and synced is it renamed over the file, and the directory
// synced so that the rename survives a crash. Until then the file keeps its
// old bytes, whatever happens: a stop, a full disk or a crash leaves the old
// file or the new one, never a mixture. A new version dropped before it is
// in place is removed; one that a crash left behind is known by its name
// (is_unfinished_copy) and removed at the next start.
//
// The writers sit on it: AtomicFile writes a file anew (atomic_file.h),
// Staged_rewrite lays changes over a copy (history/staged_rewrite.h), and a
// SyncBatch puts many new versions in place with one sync (sync_batch.h).
#pragma once

#include <string>
#include <string_view>

class Durable_file {
 public:
  Durable_file() = default;
  ~Durable_file() { drop(); }
  Durable_file(Durable_file&& other) noexcept;
  Durable_file& operator=(Durable_file&& other) noexcept;

  // Creates an empty new version of `target`. False when it cannot be
  // created (directory missing or not writable); nothing is made then.
  bool create(const std::string& target);
  bool is_open() const { return fd_ >= 0; }

  // Writes all of `bytes` at `offset` of the new version. False when a write
  // fails or stops short (a full disk); what was written stays.
  bool write_at(long offset, std::string_view bytes);

  // Starts writing `length` bytes from `offset` of the new version to disk
  // without waiting for them, so that the sync of replace() has less left to
  // wait for. Best effort: nothing is reported, and replace() syncs anyway.
  void start_writeback(long offset, long length);
  // Syncs and closes the new version, renames it over the target and syncs
  // the directory. False when a step failed: the new version is removed and
  // the target keeps its old bytes.
  bool replace();

  // The two halves of replace() for a SyncBatch, which syncs in between.
  // close() ends a complete new version without syncing it; put_in_place()
  // renames a closed one over the target. False when the step failed: the
  // new version is removed then.
  bool close();
  bool put_in_place();
  // close() after the data is synced, for a writer that puts several new
  // versions in place itself.
  bool close_synced();

  // Removes the new version; the target is not touched. Does nothing when
  // there is none.
  void drop();

  const std::string& target() const { return target_; }
  // The new version's path; empty once it is in place or dropped.
  const std::string& path() const { return path_; }

 private:
  int fd_ = -1;
  std::string target_;
  std::string path_;
};

// The directory holding `path`: "." when the path names none.
std::string directory_of(const std::string& path);

// Syncs the directory `dir`, so that a rename into it survives a crash. A
// file system that cannot sync directories is not an error.
void sync_directory(const std::string& dir);

// True for the name (no directory) of a new version that was never put in
// place: NAME ".new" DIGITS "_" DIGITS, NAME not empty. Cannot fail.
bool is_unfinished_copy(const std::string& name);
