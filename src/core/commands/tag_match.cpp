#include "commands/tag_match.h"

#include "commands/generators.h"
#include "text/accents.h"

namespace {

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// A count token's letter at `at`: true when a digit follows it.
bool starts_count(const std::string& ssd, std::size_t at) {
  return at + 1 < ssd.size() && is_digit(ssd[at + 1]);
}

}  // namespace

int NOTAG(const std::string& ssd) {
  if (ssd.empty()) return 1;
  std::size_t at = 1;  // the current place
  const std::size_t q = ssd.find('Q', 1);
  if (q != std::string::npos) {
    if (!starts_count(ssd, q)) return 0;  // a word beginning with "Q" is a tag
    at = ssd.find(' ', q);
    if (at == std::string::npos) return 1;
  }
  const std::size_t r = ssd.find('R', at);
  if (r != std::string::npos) {
    if (!starts_count(ssd, r)) return 0;
    at = ssd.find(' ', r);
    if (at == std::string::npos) return 1;
  } else {
    if (at >= ssd.size()) return 1;
    if (ssd[at] != ' ') return 0;
  }
  // Only count tokens so far: a tag is whatever follows the blanks.
  return ssd.find_first_not_of(' ', at) == std::string::npos ? 1 : 0;
}

std::optional<std::size_t> tail_of_key_line(std::string_view key_line) {
  if (key_line.size() < 2) return std::nullopt;
  const std::size_t first = key_line.find('*', 1);
  if (first == std::string_view::npos) return std::nullopt;
  const std::size_t second = key_line.find('*', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  return second;
}

bool carries_tag(std::string& key_line, const std::string& ss_tag) {
  const std::optional<std::size_t> at = tail_of_key_line(key_line);
  if (!at) return false;
  if (!ss_tag.empty() && !has_accent_bytes(std::string_view(key_line).substr(*at))) {
    // A tail with nothing to reduce stays where it is, with its blank.
    key_line += ' ';
    return key_line.find(ss_tag, *at) != std::string::npos;
  }
  std::string tail = key_line.substr(*at);
  RM_ACCENTS(tail);
  bool match;
  if (ss_tag.empty()) {
    match = NOTAG(tail) == 1;
  } else {
    tail += ' ';
    match = tail.find(ss_tag) != std::string::npos;
  }
  key_line.replace(*at, std::string::npos, tail);
  return match;
}

Key_filter tag_filter(const std::string& ss_tag) {
  return [ss_tag](std::string& key_line) { return carries_tag(key_line, ss_tag); };
}
