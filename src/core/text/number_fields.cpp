#include "text/number_fields.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string>

#include "base/trace.h"

namespace {

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

std::size_t skip_spaces(std::string_view s, std::size_t i) {
  while (i < s.size() && s[i] == ' ') ++i;
  return i;
}

// Leading spaces skipped, the index of the first token when one may start
// there (a digit, ".", "-" or "+"), else npos.
std::size_t first_token(std::string_view s, std::size_t* stop) {
  std::size_t i = skip_spaces(s, 0);
  *stop = i;
  if (i >= s.size()) return std::string_view::npos;
  char c = s[i];
  if (!is_digit(c) && c != '.' && c != '-' && c != '+') return std::string_view::npos;
  return i;
}

// A run of digits as an int; runs too large for an int read INT_MAX.
int digits_value(std::string_view digits) {
  long value = 0;
  for (char c : digits) {
    value = value * 10 + (c - '0');
    if (value > INT_MAX) return INT_MAX;
  }
  return static_cast<int>(value);
}

// The value of one token as strtol reads it. Tokens of digits only (every
// field of a history file) are read directly.
long token_value(std::string_view token) {
  if (!token.empty() && token.size() <= 18 && std::all_of(token.begin(), token.end(), is_digit)) {
    long value = 0;
    for (char c : token) value = value * 10 + (c - '0');
    return value;
  }
  const std::string copy(token);
  return std::strtol(copy.c_str(), nullptr, 10);
}

}  // namespace

int EXTR_N_LINT(int n, std::string_view s, std::vector<long>& i_extracted) {
  i_extracted.assign(static_cast<std::size_t>(std::max(n, 0)) + 1, 0);
  std::size_t stop = 0;
  std::size_t i = first_token(s, &stop);
  if (i == std::string_view::npos || n < 1) return static_cast<int>(stop);
  int k = 0;
  while (k < n && i < s.size()) {
    std::size_t end = i;
    while (end < s.size() && s[end] != ' ') ++end;  // tokens are short: no memchr
    i_extracted[++k] = token_value(s.substr(i, end - i));
    i = skip_spaces(s, end);
  }
  i_extracted[0] = k;
  return static_cast<int>(i);
}

std::optional<long> first_lint(std::string_view s) {
  std::size_t stop = 0;
  const std::size_t i = first_token(s, &stop);
  if (i == std::string_view::npos) return std::nullopt;
  std::size_t end = i;
  while (end < s.size() && s[end] != ' ') ++end;
  return token_value(s.substr(i, end - i));
}

int EXTR_N_INT(int n, std::string_view s, std::vector<int>& i_extracted) {
  i_extracted.assign(static_cast<std::size_t>(std::max(n, 0)) + 1, 0);
  std::size_t stop = 0;
  std::size_t i = first_token(s, &stop);
  if (i == std::string_view::npos || n < 1) return static_cast<int>(stop);
  int k = 0;
  while (k < n && i < s.size()) {
    std::size_t end = i;
    while (end < s.size() && is_digit(s[end])) ++end;
    i_extracted[++k] = digits_value(s.substr(i, end - i));
    // Past a space the scan goes on; any other character holds it there.
    i = end < s.size() && s[end] == ' ' ? skip_spaces(s, end) : end;
  }
  i_extracted[0] = k;
  return static_cast<int>(i);
}

std::string LNB_12CHAR(long nb) {
  std::string digits = std::to_string(nb);
  std::size_t l = digits.size();
  if (l >= 14) trace("Warning LNB_12CHAR sw=%s@@@\n", digits.c_str());
  if (l >= 12) return digits.substr(0, 12);
  std::string field((12 - l) / 2, ' ');
  field += digits;
  field.resize(12, ' ');
  return field;
}

void RESIZE_STRING(std::size_t lssd, std::string& ss) {
  if (ss.size() == lssd) return;
  if (ss.size() < lssd) {
    ss.resize(lssd, ' ');
    return;
  }
  std::size_t excess = ss.size() - lssd;
  std::string kept;
  kept.reserve(ss.size());
  std::size_t i = 0;
  for (; i < ss.size() && excess > 0; ++i) {
    bool repeated_space = i > 0 && ss[i] == ' ' && ss[i - 1] == ' ';
    if (repeated_space) {
      --excess;
    } else {
      kept.push_back(ss[i]);
    }
  }
  kept.append(ss, i, std::string::npos);
  if (kept.size() > lssd) {
    trace("error RESIZE_STRING j=%d lssd=%d \n", static_cast<int>(kept.size()),
          static_cast<int>(lssd));
  }
  kept.resize(lssd);
  ss.swap(kept);
}

void RM_EXTRA_BLANCS(std::string& s) {
  auto end = std::unique(s.begin(), s.end(), [](char a, char b) { return a == ' ' && b == ' '; });
  s.erase(end, s.end());
}

void RM_ALL_BLANCS(std::string& s) {
  std::size_t space = s.find(' ');
  if (space != std::string::npos) s.resize(space);
}
