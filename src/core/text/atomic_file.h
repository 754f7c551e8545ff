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
