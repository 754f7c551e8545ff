#include "text/durable_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <utility>

#include "base/trace.h"

namespace {

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// Index after the run of digits that starts at `i`, or `i` when none.
std::size_t after_digits(const std::string& name, std::size_t i) {
  while (i < name.size() && is_digit(name[i])) ++i;
  return i;
}

}  // namespace

Durable_file::Durable_file(Durable_file&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      target_(std::move(other.target_)),
      path_(std::exchange(other.path_, {})) {}

Durable_file& Durable_file::operator=(Durable_file&& other) noexcept {
  if (this != &other) {
    drop();
    fd_ = std::exchange(other.fd_, -1);
    target_ = std::move(other.target_);
    path_ = std::exchange(other.path_, {});
  }
  return *this;
}

// The process id and a counter make the name unique among the program's own
// new versions; O_EXCL makes sure no other file is reused.
bool Durable_file::create(const std::string& target) {
  drop();
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string path =
        target + ".new" + std::to_string(::getpid()) + "_" + std::to_string(++counter);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) return false;
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
      ::fchmod(fd, old.st_mode & 07777);
    }
    fd_ = fd;
    target_ = target;
    path_ = std::move(path);
    trace("new version of %s: %s \n", target_.c_str(), path_.c_str());
    return true;
  }
  return false;
}

bool Durable_file::write_at(long offset, std::string_view bytes) {
  if (fd_ < 0 || offset < 0) return false;
  while (!bytes.empty()) {
    const ssize_t n = ::pwrite(fd_, bytes.data(), bytes.size(), static_cast<off_t>(offset));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
    offset += n;
  }
  return true;
}

void Durable_file::start_writeback(long offset, long length) {
  if (fd_ < 0 || offset < 0 || length <= 0) return;
  ::sync_file_range(fd_, static_cast<off_t>(offset), static_cast<off_t>(length),
                    SYNC_FILE_RANGE_WRITE);
}

bool Durable_file::replace() {
  if (fd_ < 0) return false;
  const bool synced = ::fsync(fd_) == 0;
  if (!close() || !synced || !put_in_place()) {
    drop();
    return false;
  }
  sync_directory(directory_of(target_));
  return true;
}

bool Durable_file::close() {
  if (fd_ < 0) return false;
  const bool ok = ::close(fd_) == 0;
  fd_ = -1;
  if (!ok) drop();
  return ok;
}

bool Durable_file::close_synced() {
  if (fd_ < 0) return false;
  if (::fsync(fd_) != 0) {
    drop();
    return false;
  }
  return close();
}

bool Durable_file::put_in_place() {
  if (fd_ >= 0 || path_.empty()) return false;
  if (std::rename(path_.c_str(), target_.c_str()) != 0) {
    drop();
    return false;
  }
  path_.clear();
  return true;
}

void Durable_file::drop() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!path_.empty()) std::remove(path_.c_str());
  path_.clear();
}

std::string directory_of(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

void sync_directory(const std::string& dir) {
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

bool is_unfinished_copy(const std::string& name) {
  const std::size_t dot = name.rfind(".new");
  if (dot == std::string::npos || dot == 0) return false;
  const std::size_t pid_end = after_digits(name, dot + 4);
  if (pid_end == dot + 4 || pid_end >= name.size() || name[pid_end] != '_') return false;
  const std::size_t count_end = after_digits(name, pid_end + 1);
  return count_end > pid_end + 1 && count_end == name.size();
}
