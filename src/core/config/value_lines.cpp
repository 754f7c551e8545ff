#include "config/value_lines.h"

#include "base/stop.h"

std::size_t value_start(std::string_view s) {
  const std::size_t marker = s.find(":>");
  return marker == std::string_view::npos ? marker : marker + 2;
}

bool only_blanks_from(std::string_view s, std::size_t i) {
  return i >= s.size() || s.find_first_not_of(" \t", i) == std::string_view::npos;
}

void read_value_lines(ConfSource& fp, std::string& s, std::size_t i, const char* first_name,
                      const char* later_name, const ValueLineScan& scan) {
  if (only_blanks_from(s, i)) {
    if (!fp.next_line(s)) fail(kExitBadInput, "error 1 while reading in %s stop \n", first_name);
    i = 0;
  }
  bool code_fin = false;
  for (;;) {
    scan(i, s, code_fin);
    if (code_fin) return;
    if (!fp.next_line(s)) fail(kExitCutShort, "error 2 while reading in %s stop \n", later_name);
    i = 0;
  }
}
