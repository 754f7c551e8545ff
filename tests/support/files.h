// What tests and fuzz targets do with the files of their working directory,
// and how a run of the program ended. A file that cannot be written or read
// throws, which fails the test or stops the fuzz target.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "base/stop.h"

// Writes `bytes` to `path` exactly, creating parent directories.
inline void write_file(const std::string& path, std::string_view bytes) {
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  if (!parent.empty()) std::filesystem::create_directories(parent);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

inline std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

inline bool file_exists(const std::string& path) {
  return access(path.c_str(), F_OK) == 0;
}

// The names in `dir`, "." and ".." left out.
inline std::set<std::string> files_in(const std::string& dir) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir))
    names.insert(entry.path().filename());
  return names;
}

// Runs `action` and returns the status it stopped the program with, or -1
// when it returned normally.
template <typename Action>
int stop_status(Action&& action) {
  try {
    action();
  } catch (const ProgramStop& stopped) {
    return stopped.status;
  }
  return -1;
}
