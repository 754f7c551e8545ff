#include "session/display_line.h"

#include <utility>

#include "base/book.h"
#include "base/screen.h"
#include "base/log_file.h"
#include "base/stop.h"
#include "base/trace.h"
#include "text/accents.h"

namespace {

void trim_trailing_spaces(std::string& ss) {
  const std::size_t last = ss.find_last_not_of(' ');
  ss.erase(last == std::string::npos ? 0 : last + 1);
}

}  // namespace

void DISPLAY_LINE(std::string& ss, int& tnb_line, int& tlblanc, Trf_book& book) {
  trim_trailing_spaces(ss);
  std::string shown;
  int lblanc = 0;
  if (ss.empty()) {
    lblanc = tlblanc + 1;
    if (lblanc > 1) {
      trace("DISPLAY_LINE too many blanc lines lblanc=%d \n", lblanc);
      return;
    }
    shown = "  ";
  } else {
    DECODE_ACCENTS(ss);
    const std::size_t first = ss.find_first_not_of(' ');
    shown = ss.substr(first == std::string::npos ? ss.size() : first);
  }
  if (tnb_line >= MAX_LINE) return;
  book.screen.append_line(shown);
  ++tnb_line;
  tlblanc = lblanc;
}

void DISPLAY_LINE(std::string&& ss, int& tnb_line, int& tlblanc, Trf_book& book) {
  std::string line = std::move(ss);
  DISPLAY_LINE(line, tnb_line, tlblanc, book);
}

void CLEAR_DRILL_PANE(Trf_book& book) {
  book.screen.clear_lines();
  book.nb_line = 0;
}
