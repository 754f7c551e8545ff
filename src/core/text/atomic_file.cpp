#include "text/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "base/trace.h"

namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

// Directory part of `path` for open(): "." when it has no "/".
std::string directory_of(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// Writes all of `bytes` to `fd`; false on any failure.
bool write_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Syncs the directory so that the rename itself survives a crash. A file
// system that cannot sync directories is not an error.
void sync_directory(const std::string& dir) {
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

AtomicFile::~AtomicFile() {
  abandon();
}

// The temporary name is the target's name with a suffix made unique by the
// process id and a counter; O_EXCL makes sure no other file is reused.
bool AtomicFile::open(const std::string& path) {
  abandon();
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string temp = path + ".new" + std::to_string(::getpid()) + "_" + std::to_string(++counter);
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) return false;
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
      ::fchmod(fd, old.st_mode & 07777);
    }
    fd_ = fd;
    target_ = path;
    temp_ = std::move(temp);
    buffer_.clear();
    buffer_.reserve(kBufferSize);
    size_ = 0;
    failed_ = false;
    trace("AtomicFile open %s as %s \n", target_.c_str(), temp_.c_str());
    return true;
  }
  return false;
}

void AtomicFile::write(std::string_view bytes) {
  if (fd_ < 0) return;
  size_ += static_cast<long>(bytes.size());
  if (buffer_.size() + bytes.size() > kBufferSize) {
    flush();
    if (bytes.size() >= kBufferSize) {
      if (!failed_ && !write_all(fd_, bytes)) failed_ = true;
      return;
    }
  }
  buffer_.append(bytes);
}

bool AtomicFile::flush() {
  if (!failed_ && !write_all(fd_, buffer_)) failed_ = true;
  buffer_.clear();
  return !failed_;
}

bool AtomicFile::commit() {
  if (fd_ < 0) return false;
  if (SyncBatch* batch = SyncBatch::current()) {
    const bool ok = flush() && ::close(fd_) == 0;
    fd_ = -1;
    if (!ok)
      std::remove(temp_.c_str());
    else
      batch->add(temp_, target_);
    temp_.clear();
    return ok;
  }
  bool ok = flush() && ::fsync(fd_) == 0;
  ok = ::close(fd_) == 0 && ok;
  fd_ = -1;
  if (ok) ok = std::rename(temp_.c_str(), target_.c_str()) == 0;
  if (!ok) {
    std::remove(temp_.c_str());
    temp_.clear();
    return false;
  }
  temp_.clear();
  sync_directory_of(target_);
  return true;
}

void AtomicFile::abandon() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temp_.empty()) std::remove(temp_.c_str());
  temp_.clear();
  buffer_.clear();
}

namespace {

SyncBatch* open_batch = nullptr;

// Syncs the file system holding `dir`; false when it cannot be synced.
bool sync_file_system(const std::string& dir) {
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::syncfs(fd) == 0;
  ::close(fd);
  return ok;
}

}  // namespace

void sync_directory_of(const std::string& path) {
  sync_directory(directory_of(path));
}

SyncBatch::SyncBatch() {
  if (open_batch == nullptr)
    open_batch = this;
  else
    open_ = false;  // nested: commits go to the outer batch
}

SyncBatch::~SyncBatch() {
  for (const auto& [temp, target] : pending_) std::remove(temp.c_str());
  if (open_batch == this) open_batch = nullptr;
}

SyncBatch* SyncBatch::current() {
  return open_batch;
}

void SyncBatch::add(std::string temp, std::string target) {
  pending_.emplace_back(std::move(temp), std::move(target));
}

// A directory whose file system cannot be synced makes its files fail: they
// are not renamed, since their data may not be on disk.
std::vector<std::string> SyncBatch::finish() {
  if (open_batch == this) open_batch = nullptr;
  std::vector<std::string> failed;
  std::vector<std::string> dirs;
  std::vector<std::string> synced;
  for (const auto& [temp, target] : pending_) {
    const std::string dir = directory_of(target);
    bool found = false;
    for (const auto& d : dirs) found = found || d == dir;
    if (!found) {
      dirs.push_back(dir);
      if (sync_file_system(dir)) synced.push_back(dir);
    }
  }
  for (const auto& [temp, target] : pending_) {
    bool dir_synced = false;
    for (const auto& d : synced) dir_synced = dir_synced || d == directory_of(target);
    if (!dir_synced || std::rename(temp.c_str(), target.c_str()) != 0) {
      std::remove(temp.c_str());
      failed.push_back(target);
    }
  }
  pending_.clear();
  for (const auto& dir : synced) sync_directory(dir);
  return failed;
}
