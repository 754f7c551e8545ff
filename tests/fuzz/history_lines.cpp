// Statistics lines and key lines of history files on arbitrary bytes: no
// crash, the validated numbers obey the record rules, and a line written
// from them reads back unchanged and without fault.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/stop.h"
#include "fuzz_support.h"
#include "history/history_format.h"

namespace {

using fuzz::check;

constexpr long kToday = 9200;
constexpr long kFieldLimit = 100000000000L;  // numbers that fit a 12-character field

void check_current_form(const std::string& input) {
  std::array<long, 5> v{};
  const int result = CHECK_EXTRACT_4LINT(kToday, input, v);
  check(result == 0 || result == 1);
  for (int k = 1; k <= 4; ++k) check(v[k] >= 0);
  check(v[3] <= kToday && v[4] <= kToday);
  check(v[1] != 0 || v[3] == 0);
  check(v[2] != 0 || v[4] == 0);
  if (v[1] >= kFieldLimit || v[2] >= kFieldLimit) return;

  const std::string rewritten = stat_line(v[1], v[2], v[3], v[4]);
  check(rewritten.size() == kStatLineLength);
  std::array<long, 5> again{};
  check(CHECK_EXTRACT_4LINT(kToday, rewritten, again) == 0);
  check(again == v);
}

void check_old_form(const std::string& input) {
  std::array<long, 7> v{};
  const int result = CHECK_EXTRACT_6LINT(kToday, input, v);
  check(result == 0 || result == 1);
  for (int sense = 0; sense < 2; ++sense) {
    const long asked = v[1 + 3 * sense];
    const long wrong = v[2 + 3 * sense];
    const long day = v[3 + 3 * sense];
    check(asked >= 0 && wrong >= 0 && wrong <= asked);
    check(day >= 0 && day <= kToday);
  }
}

void check_key_line(const std::string& input) {
  const std::string collapsed = collapse_blanks(input);
  check(collapsed.find("  ") == std::string::npos);
  check(collapsed.find('\t') == std::string::npos);
  check(collapse_blanks(collapsed) == collapsed);

  const auto key = parse_key_line(input);
  check(key.has_value() == (input.find('*') != std::string::npos));
  if (key) check(key->alias.find_first_of(" \t\r\n") == std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  try {
    check_current_form(input);
    check_old_form(input);
    check_key_line(input);
  } catch (const ProgramStop&) {
  }
  return 0;
}
