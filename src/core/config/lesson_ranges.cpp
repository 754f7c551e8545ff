#include "config/lesson_ranges.h"

#include <cstdlib>
#include <vector>

#include "base/stop.h"
#include "text/number_fields.h"

namespace {

constexpr long long kNumberLimit = 999'999'999'999'999'999LL;  // 18 digits

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// Value of the digits s[begin, end); saturates at kNumberLimit.
long long digits_value(std::string_view s, std::size_t begin, std::size_t end, bool& huge) {
  long long value = 0;
  for (std::size_t i = begin; i < end; ++i) {
    const int digit = s[i] - '0';
    if (value > (kNumberLimit - digit) / 10) {
      huge = true;
      return kNumberLimit;
    }
    value = value * 10 + digit;
  }
  return value;
}

std::string decimal(long long k) {
  std::string text = std::to_string(k);
  RM_ALL_BLANCS(text);
  return text;
}

// One range being counted through. The name holds the text of the current k
// from index i0 on (k_length characters); `replaced` is the text of the range
// as it stood before, put back when the range is done.
struct Counting {
  std::size_t i0 = 0;
  std::size_t k_length = 0;
  std::string replaced;
  long long k = 0;
  long long n2 = 0;
  long long step = 1;
};

[[noreturn]] void too_large(const std::string& name) {
  fail(kExitBadRange, "RECUR_EXTR_ARROW error 13 range too large for s_file =%s \n", name.c_str());
}

}  // namespace

std::optional<Arrow_range> EXTRACT1_2NB(std::string_view anv_file) {
  const std::size_t arrow = anv_file.find("->");
  if (arrow == std::string_view::npos) return std::nullopt;
  Arrow_range range;
  range.i0 = arrow;
  while (range.i0 > 0 && is_digit(anv_file[range.i0 - 1])) --range.i0;
  range.n1 = digits_value(anv_file, range.i0, arrow, range.huge);
  std::size_t end = arrow + 2;
  while (end < anv_file.size() && is_digit(anv_file[end])) ++end;
  range.second = end > arrow + 2;
  range.i1 = range.second ? end - 1 : arrow + 1;
  range.n2 = digits_value(anv_file, arrow + 2, end, range.huge);
  return range;
}

std::string CASE_ARROW(std::string_view anv_file, const Arrow_range& range, long long k) {
  std::string name(anv_file.substr(0, range.i0));
  name += decimal(k);
  name += anv_file.substr(range.i1 + 1);
  return name;
}

// The names are walked depth first with one name buffer: each range in
// counting puts its k in place of its text, and puts the text back when it
// is done, so that the ranges around it see the name as they left it. A
// range found after an inner k was put in place always lies after the outer
// range's prefix, so the inner replacements never touch outer text.
void EXPAND_RANGES(std::string_view s_file, const std::function<void(const std::string&)>& add) {
  std::string name(s_file);
  std::vector<Counting> open;
  long long names = 0;

  // Opens the first range of the current name (true), or hands the name over
  // when it has none (false).
  auto open_range = [&]() {
    const std::optional<Arrow_range> range = EXTRACT1_2NB(name);
    if (!range) {
      if (++names > kMaxRangeNames) too_large(std::string(s_file));
      add(name);
      return false;
    }
    if (!range->second)
      fail(kExitBadRange, "RECUR_EXTR_ARROW error 13 for s_file =%s \n", name.c_str());
    if (range->huge || std::llabs(range->n2 - range->n1) >= kMaxRangeNames) {
      too_large(std::string(s_file));
    }
    Counting c;
    c.i0 = range->i0;
    c.replaced = name.substr(range->i0, range->i1 + 1 - range->i0);
    c.k = range->n1;
    c.n2 = range->n2;
    c.step = range->n2 >= range->n1 ? 1 : -1;
    const std::string k_text = decimal(c.k);
    name.replace(c.i0, c.replaced.size(), k_text);
    c.k_length = k_text.size();
    open.push_back(std::move(c));
    return true;
  };

  if (!open_range()) return;
  while (!open.empty()) {
    if (open_range()) continue;
    // The current name is done: step the innermost range that has numbers
    // left, closing the ones that have none.
    while (!open.empty()) {
      Counting& c = open.back();
      if (c.k == c.n2) {
        name.replace(c.i0, c.k_length, c.replaced);
        open.pop_back();
        continue;
      }
      c.k += c.step;
      const std::string k_text = decimal(c.k);
      name.replace(c.i0, c.k_length, k_text);
      c.k_length = k_text.size();
      break;
    }
  }
}
