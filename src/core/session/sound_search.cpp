#include "session/sound_search.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/book.h"
#include "base/trace.h"

namespace {

constexpr int kPlaces = 4;

// The candidate path of `s_file` in place `place` (1 to 4).
std::string candidate(int place, const std::string& s_file, const std::string& path_of_lesson) {
  switch (place) {
    case 1:
      return path_of_lesson + s_file;
    case 2:
      return "./" + s_file;
    case 3:
      return "./SOUND/" + s_file;
    default:
      return path_of_lesson + "SOUND/" + s_file;
  }
}

// True when `path` names a file that can be opened for reading.
bool can_open(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  const bool file = fstat(fd, &st) == 0 && !S_ISDIR(st.st_mode);
  ::close(fd);
  return file;
}

}  // namespace

std::optional<std::string> SEARCH_SND_FILE_NAME(const std::string& s_file, Sound_search& memory,
                                                const Trf_book& book) {
  const int first = memory.last_found >= 1 && memory.last_found <= kPlaces ? memory.last_found : 1;
  for (int k = 0; k < kPlaces; ++k) {
    const int place = (first - 1 + k) % kPlaces + 1;
    std::string path = candidate(place, s_file, book.path_of_lesson);
    if (can_open(path)) {
      trace("SEARCH_SND_FILE_NAME can open file=%s@@@@ \n", path.c_str());
      memory.last_found = place;
      return path;
    }
  }
  return std::nullopt;
}
