// Byte-for-byte copies and the backup copy taken beside a history file
// before it is rewritten or found faulty.
#include "base/trace.h"
#include "text/atomic_file.h"
#include "text/files.h"
#include "text/paths.h"

#include <sys/stat.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr std::size_t kCopyBlock = 64 * 1024;

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// True when both paths name one existing file: opening the destination for
// writing would then truncate the source.
bool same_file(const std::string& a, const std::string& b) {
  struct stat sa {
  }, sb{};
  if (stat(a.c_str(), &sa) != 0 || stat(b.c_str(), &sb) != 0) return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace

// Returns 1 if the source cannot be opened or a read fails, 2 if the
// destination cannot be created or a write or its close fails (a full disk
// is not a complete copy). A partial destination is left as it is. Copying a
// file onto itself leaves it untouched and counts as complete.
int copier_fichier(const std::string& source, const std::string& destination) {
  File in(std::fopen(source.c_str(), "rb"));
  if (!in) return 1;
  if (same_file(source, destination)) return 0;
  std::FILE* out = std::fopen(destination.c_str(), "wb");
  if (!out) return 2;

  std::vector<char> block(kCopyBlock);
  bool write_failed = false;
  std::size_t got;
  while ((got = std::fread(block.data(), 1, block.size(), in.get())) > 0) {
    if (std::fwrite(block.data(), 1, got, out) != got) {
      write_failed = true;
      break;
    }
  }
  const bool read_failed = std::ferror(in.get()) != 0;
  if (std::fclose(out) != 0) write_failed = true;
  if (read_failed) return 1;
  return write_failed ? 2 : 0;
}

namespace {

// Copies `source` over `destination` all or nothing (AtomicFile): a failure
// or a crash midway leaves the previous destination. False on failure.
bool replace_with_copy(const std::string& source, const std::string& destination) {
  File in(std::fopen(source.c_str(), "rb"));
  if (!in) return false;
  if (same_file(source, destination)) return true;
  AtomicFile out;
  if (!out.open(destination)) return false;
  std::vector<char> block(kCopyBlock);
  std::size_t got;
  while ((got = std::fread(block.data(), 1, block.size(), in.get())) > 0) {
    out.write(std::string_view(block.data(), got));
  }
  if (std::ferror(in.get()) != 0) return false;
  return out.commit();
}

}  // namespace

// The backup path is the directory part of `file_path` (see PATH_FROM_STRING),
// "cpy_" and the file name; an older backup is replaced, only by a complete
// copy. Empty when the path is empty or the copy fails.
std::optional<std::string> back_up_file(const std::string& file_path) {
  const auto dir = PATH_FROM_STRING(file_path);
  const auto name = FILE_NAME_FROM_STRING(file_path);
  if (!dir || !name) return std::nullopt;
  std::string backup = *dir + "cpy_" + *name;
  trace("back_up_file=%s \n", backup.c_str());
  if (!replace_with_copy(file_path, backup)) return std::nullopt;
  return backup;
}
