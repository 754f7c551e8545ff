#include "commands/lesson_number.h"

#include <vector>

#include "base/book.h"
#include "base/log_file.h"
#include "base/trace.h"
#include "catalogue/aliases.h"
#include "session/pane_text.h"
#include "text/number_fields.h"

namespace {

bool all_digits(const std::string& ss, std::size_t first, std::size_t end) {
  for (std::size_t i = first; i < end; ++i) {
    if (ss[i] < '0' || ss[i] > '9') return false;
  }
  return true;
}

}  // namespace

int EXTRACT_NB_FIRST_FIELD(const std::string& ss, Trf_book& book) {
  const std::size_t first = ss.find_first_not_of(' ');
  if (first == std::string::npos) return -1;
  std::size_t end = ss.find(' ', first);
  if (end == std::string::npos) end = ss.size();

  if (!all_digits(ss, first, end)) {
    const int num = NUM_FROM_ALIAS(ss, book.G_kentel);
    if (num > 0) return num;
    book.fp_log.write("EXTRACT_NB_FIRST_FIELD alias %s is unknown\n", ss.c_str());
    return -1;
  }

  std::vector<int> i_extracted;
  EXTR_N_INT(1, ss, i_extracted);
  if (i_extracted[0] != 1) {
    book.fp_log.write("EXTRACT_NB_FIRST_FIELD ss is not integer \n");
    book.fp_log.write("ss=%s \n", ss.c_str());
    return -1;
  }
  trace("EXTRACT_NB_FIRST_FIELD num=%d \n", i_extracted[1]);
  return i_extracted[1];
}
