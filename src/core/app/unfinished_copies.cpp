#include "app/unfinished_copies.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cstdio>
#include <vector>

#include "base/log_file.h"
#include "catalogue/lesson_paths.h"
#include "catalogue/trf_string.h"

namespace {

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// Index after the run of digits that starts at `i`, or `i` when none.
std::size_t after_digits(const std::string& name, std::size_t i) {
  while (i < name.size() && is_digit(name[i])) ++i;
  return i;
}

std::vector<std::string> names_in(const std::string& dir) {
  std::vector<std::string> names;
  DIR* d = ::opendir(dir.c_str());
  if (d == nullptr) return names;
  while (const dirent* entry = ::readdir(d)) names.emplace_back(entry->d_name);
  ::closedir(d);
  return names;
}

void remove_in(LogFile& fp_log, const std::string& dir) {
  for (const std::string& name : names_in(dir)) {
    if (!is_unfinished_copy(name)) continue;
    const std::string path = dir + "/" + name;
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    if (std::remove(path.c_str()) == 0) {
      fp_log.write("removed the unfinished copy %s \n", path.c_str());
    } else {
      fp_log.write("cannot remove the unfinished copy %s \n", path.c_str());
    }
  }
}

}  // namespace

bool is_unfinished_copy(const std::string& name) {
  const std::size_t dot = name.rfind(".new");
  if (dot == std::string::npos || dot == 0) return false;
  const std::size_t pid_end = after_digits(name, dot + 4);
  if (pid_end == dot + 4 || pid_end >= name.size() || name[pid_end] != '_') return false;
  const std::size_t count_end = after_digits(name, pid_end + 1);
  return count_end > pid_end + 1 && count_end == name.size();
}

void remove_unfinished_copies(LogFile& fp_log, const Trf_string& G_kentel) {
  remove_in(fp_log, ".");
  remove_in(fp_log, G_kentel.spath_idx1);
  remove_in(fp_log, cpy_directory(G_kentel));
}
