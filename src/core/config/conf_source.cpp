#include "config/conf_source.h"

#include <streambuf>

namespace {

constexpr int kEof = std::char_traits<char>::eof();

}  // namespace

bool ConfSource::next_line(std::string& s) {
  s.clear();
  std::streambuf* buf = in_.rdbuf();
  if (buf == nullptr) return false;
  int c = buf->sbumpc();
  if (c == kEof) return false;
  for (; c != kEof && c != '\n' && c != '\r'; c = buf->sbumpc()) {
    if (c != '\0') s.push_back(static_cast<char>(c));
  }
  if (c == '\r') {
    // Every further carriage return and at most one line feed belong to this
    // line end.
    while (buf->sgetc() == '\r') buf->sbumpc();
    if (buf->sgetc() == '\n') buf->sbumpc();
  }
  return true;
}

std::string shown_line(std::string_view s) {
  return std::string(s.substr(0, 149));
}
