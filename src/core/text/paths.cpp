// Splitting paths into directory part and file name. Paths are plain byte
// strings; "/" and "\" both separate (except in RM_PATH_FROM_STRING, which
// follows the lesson-list convention and knows only "/").
#include "text/paths.h"

namespace {

bool is_separator(char c) {
  return c == '/' || c == '\\';
}

// Index of the last "/" or "\" in `path`, or npos.
std::string_view::size_type last_separator(std::string_view path) {
  return path.find_last_of("/\\");
}

// True when a directory text needs no "./" in front: it starts at the
// current or the parent directory, at the root, or at a drive letter ("C:").
bool is_anchored(std::string_view text) {
  if (text.empty()) return false;
  if (text[0] == '.' || is_separator(text[0])) return true;
  return text.size() >= 2 && text[0] >= 'A' && text[0] <= 'Z' && text[1] == ':';
}

}  // namespace

// Leading spaces are skipped. No result for an empty path; "./" when the
// path names no directory.
std::optional<std::string> PATH_FROM_STRING(std::string_view path) {
  if (path.empty()) return std::nullopt;
  const auto start = path.find_first_not_of(' ');
  const auto sep = last_separator(path);
  if (start == std::string_view::npos || sep == std::string_view::npos || sep < start) {
    return std::string("./");
  }
  const std::string_view dir = path.substr(start, sep - start + 1);
  std::string result = is_anchored(dir) ? "" : "./";
  for (char c : dir) result += (c == '\\') ? '/' : c;
  return result;
}

// No result for an empty path; the empty string when the path ends with a
// separator.
std::optional<std::string> FILE_NAME_FROM_STRING(std::string_view path) {
  if (path.empty()) return std::nullopt;
  const auto sep = last_separator(path);
  if (sep == std::string_view::npos) return std::string(path);
  return std::string(path.substr(sep + 1));
}

// No result for an empty path.
std::optional<std::string> RM_PATH_FROM_STRING(std::string_view path) {
  if (path.empty()) return std::nullopt;
  const auto sep = path.rfind('/');
  const std::string_view name = (sep == std::string_view::npos) ? path : path.substr(sep + 1);
  return "&/" + std::string(name);
}
