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
  sync_directory(directory_of(target_));
  return true;
}

void AtomicFile::abandon() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temp_.empty()) std::remove(temp_.c_str());
  temp_.clear();
  buffer_.clear();
}
