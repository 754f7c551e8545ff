#include "text/sync_batch.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <utility>

namespace {

// Syncs the file system holding `dir`; false when it cannot be synced.
bool sync_file_system(const std::string& dir) {
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::syncfs(fd) == 0;
  ::close(fd);
  return ok;
}

bool contains(const std::vector<std::string>& list, const std::string& item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

}  // namespace

void SyncBatch::add(Durable_file file) {
  pending_.push_back(std::move(file));
}

// A directory whose file system cannot be synced makes its files fail: they
// are not renamed, since their data may not be on disk.
std::vector<std::string> SyncBatch::finish() {
  std::vector<std::string> dirs;
  std::vector<std::string> synced;
  for (const Durable_file& file : pending_) {
    const std::string dir = directory_of(file.target());
    if (contains(dirs, dir)) continue;
    dirs.push_back(dir);
    if (sync_file_system(dir)) synced.push_back(dir);
  }
  std::vector<std::string> failed;
  for (Durable_file& file : pending_) {
    if (!contains(synced, directory_of(file.target())) || !file.put_in_place()) {
      file.drop();
      failed.push_back(file.target());
    }
  }
  pending_.clear();
  for (const std::string& dir : synced) sync_directory(dir);
  return failed;
}
