#include "commands/survey.h"

#include "base/book.h"
#include "catalogue/aliases.h"
#include "catalogue/lesson_paths.h"
#include "catalogue/trf_string.h"
#include "text/atomic_file.h"

std::vector<Surveyed_lesson> surveyed_lessons(const Trf_book& book) {
  std::vector<Surveyed_lesson> lessons;
  const Trf_string& catalogue = book.G_kentel;
  for (int k = 1; k <= book.nbt_lesson; ++k) {
    const std::optional<std::string> alias = S_ALIAS_FROM_NUM(k, catalogue);
    if (!alias || NUM_FROM_ALIAS(*alias, catalogue) != k) continue;
    std::optional<std::string> path = S_IDX1_FROM_NUM(k, catalogue);
    if (path) lessons.push_back({k, std::move(*path)});
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
