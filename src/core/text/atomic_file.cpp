#include "text/atomic_file.h"

#include "text/sync_batch.h"

namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

// A large file goes to disk while it is being written, this much at a time,
// rather than all at the sync of its commit.
constexpr long kWritebackStep = 8L * 1024 * 1024;

}  // namespace

bool AtomicFile::open(const std::string& path) {
  abandon();
  if (!file_.create(path)) return false;
  buffer_.reserve(kBufferSize);
  size_ = 0;
  written_back_ = 0;
  failed_ = false;
  return true;
}

void AtomicFile::write(std::string_view bytes) {
  if (!is_open()) return;
  if (buffer_.size() + bytes.size() > kBufferSize) {
    flush();
    if (bytes.size() >= kBufferSize) {
      if (!failed_ && !file_.write_at(size_, bytes)) failed_ = true;
      size_ += static_cast<long>(bytes.size());
      return;
    }
  }
  buffer_.append(bytes);
  size_ += static_cast<long>(bytes.size());
}

// The buffer holds the last bytes written: it goes at size_ less its length.
bool AtomicFile::flush() {
  const long at = size_ - static_cast<long>(buffer_.size());
  if (!failed_ && !file_.write_at(at, buffer_)) failed_ = true;
  buffer_.clear();
  if (!failed_ && size_ - written_back_ >= kWritebackStep) {
    file_.start_writeback(written_back_, size_ - written_back_);
    written_back_ = size_;
  }
  return !failed_;
}

bool AtomicFile::commit() {
  if (!is_open()) return false;
  if (!flush()) {
    abandon();
    return false;
  }
  return file_.replace();
}

bool AtomicFile::commit(SyncBatch& batch) {
  if (!is_open()) return false;
  if (!flush() || !file_.close()) {
    abandon();
    return false;
  }
  batch.add(std::move(file_));
  return true;
}

void AtomicFile::abandon() {
  file_.drop();
  buffer_.clear();
}
