#include "catalogue/lesson_lines.h"

int question_count_of_entry_line(std::string_view entry_line) {
  const std::size_t star = entry_line.find('*');
  if (star == std::string_view::npos) return 1;
  std::size_t i = entry_line.find('Q', star + 1);
  if (i == std::string_view::npos) return 1;
  ++i;
  if (i == entry_line.size() || entry_line[i] < '0' || entry_line[i] > '9') return 1;
  long count = 0;
  for (; i < entry_line.size() && entry_line[i] >= '0' && entry_line[i] <= '9'; ++i) {
    if (count < 1000000) count = count * 10 + (entry_line[i] - '0');
  }
  return static_cast<int>(count);
}
