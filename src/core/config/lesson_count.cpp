#include "config/lesson_count.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "config/lesson_ranges.h"

int KLASK_NB_PAJ(std::string_view mem_pages) {
  long long count = 0;
  std::size_t i = 0;
  while ((i = mem_pages.find_first_not_of(' ', i)) != std::string_view::npos) {
    const std::size_t end = std::min(mem_pages.find(' ', i), mem_pages.size());
    const std::optional<Arrow_range> range = EXTRACT1_2NB(mem_pages.substr(i, end - i));
    count += range ? std::llabs(range->n2 - range->n1) + 1 : 1;
    if (count >= INT_MAX) return INT_MAX;
    i = end;
  }
  return static_cast<int>(count);
}
