// Writing a file anew, all or nothing.
//
// The new contents go into a new version beside the target (durable_file.h),
// which replaces the target only when commit() succeeds: until then the
// target keeps its old bytes, whatever happens. A writer destroyed without a
// successful commit removes its new version.
#pragma once

#include <string>
#include <string_view>

#include "text/durable_file.h"

class SyncBatch;

class AtomicFile {
 public:
  AtomicFile() = default;
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // Starts writing a new version of `path`. Returns false when it cannot be
  // created (directory missing or not writable); the target is not touched
  // then.
  bool open(const std::string& path);
  bool is_open() const { return file_.is_open(); }

  // Appends bytes. Writes go through a buffer; a failure is remembered and
  // reported by commit(). Does nothing while no file is open.
  void write(std::string_view bytes);

  // Bytes written so far: the offset at which the next write lands.
  long size() const { return size_; }

  // Makes the new version the file at the target path, synced to disk.
  // Returns false when any step failed; the new version is then removed and
  // the target keeps its old bytes. The writer is closed afterwards.
  bool commit();

  // As commit(), but hands the complete new version to `batch`
  // (sync_batch.h): the target changes when the batch is finished. False
  // when a write failed; nothing is handed over then.
  bool commit(SyncBatch& batch);

  // Drops the new version; the target is not touched. Does nothing when no
  // file is open.
  void abandon();

 private:
  bool flush();

  Durable_file file_;
  std::string buffer_;
  long size_ = 0;
  long written_back_ = 0;  // bytes whose writing to disk was started
  bool failed_ = false;
};
