#include "commands/survey.h"

#include "base/book.h"
#include "catalogue/aliases.h"
#include "catalogue/lesson_paths.h"
#include "catalogue/trf_string.h"
#include "text/atomic_file.h"

std::vector<Surveyed_lesson> surveyed_lessons(const Trf_book& book) {
  std::vector<Surveyed_lesson> lessons;
  const std::vector<bool> first = first_of_their_alias(book.G_kentel);
  std::vector<std::string> paths = all_idx1_paths(book.G_kentel);
  for (int k = 1; k <= book.nbt_lesson; ++k) {
    const std::size_t at = static_cast<std::size_t>(k) - 1;
    if (at >= first.size() || !first[at] || at >= paths.size() || paths[at].empty()) continue;
    lessons.push_back({k, std::move(paths[at])});
  }
  return lessons;
}

namespace {

bool cannot_write(const std::string& path, const char* who, LogFile& fp_log) {
  fp_log.write("%s cannot write %s \n", who, path.c_str());
  say("%s cannot write %s \n", who, path.c_str());
  return false;
}

}  // namespace

bool write_listing(const std::string& path, std::string_view bytes, const char* who,
                   LogFile& fp_log) {
  AtomicFile file;
  if (!open_listing(file, path, who, fp_log)) return false;
  file.write(bytes);
  return commit_listing(file, path, who, fp_log);
}

bool open_listing(AtomicFile& file, const std::string& path, const char* who, LogFile& fp_log) {
  return file.open(path) || cannot_write(path, who, fp_log);
}

bool commit_listing(AtomicFile& file, const std::string& path, const char* who, LogFile& fp_log) {
  return file.commit() || cannot_write(path, who, fp_log);
}
