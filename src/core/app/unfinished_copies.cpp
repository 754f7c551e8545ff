#include "app/unfinished_copies.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cstdio>
#include <vector>

#include "base/log_file.h"
#include "catalogue/lesson_paths.h"
#include "catalogue/trf_string.h"
#include "text/durable_file.h"

namespace {

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

void remove_unfinished_copies(LogFile& fp_log, const Trf_string& G_kentel) {
  remove_in(fp_log, ".");
  remove_in(fp_log, G_kentel.spath_idx1);
  remove_in(fp_log, cpy_directory(G_kentel));
}
