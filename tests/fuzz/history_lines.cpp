// Statistics lines and key lines of history files on arbitrary bytes: no
// crash, the validated numbers obey the record rules, damage in one field
// changes no other, and a line written from them reads back unchanged and
// without fault.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/stop.h"
#include "fuzz_support.h"
#include "history/history_format.h"

namespace {

using fuzz::check;

constexpr long kToday = 9200;

void check_current_form(const std::string& input) {
  std::array<long, 5> v{};
  const int result = CHECK_EXTRACT_4LINT(kToday, input, v);
  check(result == 0 || result == 1);
  for (int k = 1; k <= 4; ++k) check(v[k] >= 0);
  check(v[3] <= kToday && v[4] <= kToday);
  check(v[1] != 0 || v[3] == 0);
  check(v[2] != 0 || v[4] == 0);
  check(v[1] <= kMaxStatCount && v[2] <= kMaxStatCount);

  const std::string rewritten = stat_line(v[1], v[2], v[3], v[4]);
  check(rewritten.size() == kStatLineLength);
  std::array<long, 5> again{};
  check(CHECK_EXTRACT_4LINT(kToday, rewritten, again) == 0);
  check(again == v);
}

// Bytes put in one field of a sound line (the first input byte chooses the
// field) change only that field's sense pair, count and day; the other
// pair reads as it was.
void check_damage_stays_in_its_field(const std::string& input) {
  if (input.size() <= kStatFieldWidth) return;
  const std::string field = input.substr(1, kStatFieldWidth);
  if (field.find(';') != std::string::npos) return;
  const std::size_t k = static_cast<unsigned char>(input[0]) % 4;
  std::string line = stat_line(5, 3, 100, 90);
  line.replace(k * (kStatFieldWidth + 1), kStatFieldWidth, field);
  std::array<long, 5> v{};
  CHECK_EXTRACT_4LINT(kToday, line, v);
  if (k % 2 == 0) {
    check(v[2] == 3 && v[4] == 90);
  } else {
    check(v[1] == 5 && v[3] == 100);
  }
}

void check_old_form(const std::string& input) {
  std::array<long, 7> v{};
  const int result = CHECK_EXTRACT_6LINT(kToday, input, v);
  check(result == 0 || result == 1);
  for (int sense = 0; sense < 2; ++sense) {
    const long asked = v[1 + 3 * sense];
    const long wrong = v[2 + 3 * sense];
    const long day = v[3 + 3 * sense];
    check(asked >= 0 && wrong >= 0 && wrong <= asked && asked <= kMaxStatCount);
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
    check_damage_stays_in_its_field(input);
    check_old_form(input);
    check_key_line(input);
  } catch (const ProgramStop&) {
  }
  return 0;
}
