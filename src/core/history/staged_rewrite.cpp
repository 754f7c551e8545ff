#include "history/staged_rewrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "base/trace.h"
#include "text/atomic_file.h"

namespace {

bool pwrite_all(int fd, std::string_view bytes, off_t offset) {
  while (!bytes.empty()) {
    const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), offset);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
    offset += n;
  }
  return true;
}

// Copies every byte of `from` to the start of `to`; false on any failure.
bool copy_bytes(int from, int to) {
  char block[64 * 1024];
  off_t at = 0;
  for (;;) {
    const ssize_t got = ::read(from, block, sizeof block);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return true;
    if (!pwrite_all(to, std::string_view(block, static_cast<std::size_t>(got)), at)) return false;
    at += got;
  }
}

}  // namespace

Staged_rewrite::~Staged_rewrite() {
  abandon();
}

bool Staged_rewrite::open(const std::string& path) {
  abandon();
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  if (::access(path.c_str(), W_OK) != 0) return false;
  target_ = path;
  failed_ = false;
  return true;
}

// The copy's name is the file's name with a suffix made unique by the
// process id and a counter; O_EXCL makes sure no other file is reused.
bool Staged_rewrite::make_copy() {
  const int source = ::open(target_.c_str(), O_RDONLY | O_CLOEXEC);
  if (source < 0) return false;
  struct stat st {};
  if (::fstat(source, &st) != 0) {
    ::close(source);
    return false;
  }
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
    std::string temp =
        target_ + ".new" + std::to_string(::getpid()) + "_" + std::to_string(++counter);
    const int fd = ::open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) break;
    fd_ = fd;
    temp_ = std::move(temp);
  }
  bool ok = fd_ >= 0 && ::fchmod(fd_, st.st_mode & 07777) == 0 && copy_bytes(source, fd_);
  ::close(source);
  if (!ok && fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
    std::remove(temp_.c_str());
    temp_.clear();
  }
  if (ok) trace("Staged_rewrite %s staged as %s \n", target_.c_str(), temp_.c_str());
  return ok;
}

bool Staged_rewrite::write_at(long offset, std::string_view bytes) {
  if (!is_open() || offset < 0 || failed_) return false;
  if (bytes.empty()) return true;
  if (!staged() && !make_copy()) {
    failed_ = true;
    return false;
  }
  if (!pwrite_all(fd_, bytes, static_cast<off_t>(offset))) failed_ = true;
  return !failed_;
}

bool Staged_rewrite::commit() {
  if (!is_open()) return true;
  if (!staged()) {
    const bool ok = !failed_;
    abandon();
    return ok;
  }
  bool ok = !failed_ && ::fsync(fd_) == 0;
  ok = ::close(fd_) == 0 && ok;
  fd_ = -1;
  if (ok) ok = std::rename(temp_.c_str(), target_.c_str()) == 0;
  if (!ok) {
    abandon();
    return false;
  }
  temp_.clear();
  sync_directory_of(target_);
  abandon();
  return true;
}

void Staged_rewrite::abandon() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temp_.empty()) std::remove(temp_.c_str());
  temp_.clear();
  target_.clear();
  failed_ = false;
}
