#include "commands/survey.h"

#include <algorithm>

#include "base/book.h"
#include "catalogue/aliases.h"
#include "catalogue/lesson_paths.h"
#include "catalogue/trf_string.h"
#include "text/atomic_file.h"

Lesson_survey::Lesson_survey(const Trf_book& book)
    : catalogue_(book.G_kentel),
      lessons_(std::min(book.nbt_lesson, book.G_kentel.nb_lesson)),
      first_(first_of_their_alias(book.G_kentel)),
      words_(kept_list_words(book.G_kentel.st_lesson)) {}

bool Lesson_survey::includes(int k) const {
  const std::size_t at = static_cast<std::size_t>(k) - 1;
  return k >= 1 && k <= lessons_ && at < first_.size() && first_[at] && at < words_.size();
}

std::string Lesson_survey::idx1_path(int k) const {
  if (!includes(k)) return std::string();
  return S_IDX1_FROM_NUM(k, catalogue_, words_).value_or("");
}

std::vector<Surveyed_lesson> surveyed_lessons(const Trf_book& book) {
  const Lesson_survey survey(book);
  std::vector<Surveyed_lesson> lessons;
  for (int k = 1; k <= book.nbt_lesson; ++k) {
    if (survey.includes(k)) lessons.push_back({k, survey.idx1_path(k)});
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
