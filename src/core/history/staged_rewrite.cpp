#include "history/staged_rewrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

bool Staged_rewrite::open(const std::string& path) {
  abandon();
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  if (::access(path.c_str(), W_OK) != 0) return false;
  target_ = path;
  return true;
}

// Copies every byte of the file into a new version of it; false on any
// failure, the new version removed.
bool Staged_rewrite::make_copy() {
  const int source = ::open(target_.c_str(), O_RDONLY | O_CLOEXEC);
  if (source < 0) return false;
  bool ok = copy_.create(target_);
  char block[64 * 1024];
  for (long at = 0; ok;) {
    const ssize_t got = ::read(source, block, sizeof block);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      ok = got == 0;
      break;
    }
    ok = copy_.write_at(at, std::string_view(block, static_cast<std::size_t>(got)));
    at += got;
  }
  ::close(source);
  if (!ok) copy_.drop();
  return ok;
}

bool Staged_rewrite::write_at(long offset, std::string_view bytes) {
  if (!is_open() || offset < 0 || failed_) return false;
  if (bytes.empty()) return true;
  if (!staged() && !make_copy()) {
    failed_ = true;
    return false;
  }
  if (!copy_.write_at(offset, bytes)) failed_ = true;
  return !failed_;
}

bool Staged_rewrite::commit() {
  const bool ok = !failed_ && (!staged() || copy_.replace());
  abandon();
  return ok;
}

bool Staged_rewrite::stage() {
  if (failed_) return false;
  return !staged() || copy_.close_synced();
}

bool Staged_rewrite::put_in_place() {
  if (copy_.path().empty()) return true;
  return copy_.put_in_place();
}

std::string Staged_rewrite::copy_suffix() const {
  return copy_.path().empty() ? std::string() : copy_.path().substr(target_.size());
}

void Staged_rewrite::abandon() {
  copy_.drop();
  target_.clear();
  failed_ = false;
}
