#include "base/installed_files.h"

#include <unistd.h>

#include <cstdlib>

namespace {

std::string data_dir() {
  const char* dir = std::getenv("PIMLO_DATA_DIR");
  return dir != nullptr && dir[0] != '\0' ? dir : PIMLO_DATA_DIR;
}

bool readable(const std::string& path) {
  return ::access(path.c_str(), R_OK) == 0;
}

}  // namespace

std::string working_or_installed(const std::string& path) {
  if (readable(path)) return path;
  const std::string installed = data_dir() + "/" + path.substr(path.find_last_of('/') + 1);
  return readable(installed) ? installed : path;
}
