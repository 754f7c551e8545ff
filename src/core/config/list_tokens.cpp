#include "config/list_tokens.h"

#include <sys/stat.h>

#include <cstdio>

#include "base/stop.h"

bool is_list_char(unsigned char c) {
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return true;
  switch (c) {
    case '-':
    case '>':
    case '<':
    case ':':
    case '_':
    case '.':
    case '\\':
    case '/':
      return true;
    default:
      return false;
  }
}

std::size_t list_token_end(std::string_view s, std::size_t i) {
  while (i < s.size() && is_list_char(static_cast<unsigned char>(s[i]))) ++i;
  return i;
}

bool is_end_token(std::string_view token) {
  return token.starts_with("<:");
}

bool lesson_file_exists(const std::string& path) {
  struct stat info {};
  if (path.empty() || stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  std::FILE* fp = std::fopen(path.c_str(), "rb");
  if (fp == nullptr) {
    // A lesson file that is there but cannot be read is left out: said,
    // since every lesson after it then moves up by one number.
    say("lesson file %s cannot be read, it is left out of the lessons \n", path.c_str());
    return false;
  }
  std::fclose(fp);
  return true;
}
