#include "commands/help_display.h"

#include <string>

#include "base/book.h"
#include "base/installed_files.h"
#include "base/log_file.h"
#include "base/trace.h"
#include "session/display_line.h"
#include "session/pane_text.h"
#include "text/line_reader.h"

namespace {

// The file is read no further than this many lines.
constexpr int kMaxHelpLines = 10000;

void show_missing_file(int& nb_line, int& lblanc, Trf_book& book) {
  DISPLAY_LINE("", nb_line, lblanc, book);
  DISPLAY_LINE(formatted("Cannot open file %s", kHelpFile), nb_line, lblanc, book);
  DISPLAY_LINE("", nb_line, lblanc, book);
}

void show_file(LineReader& fp, int& nb_line, int& lblanc, Trf_book& book) {
  long nc = 0;
  std::string ss;
  for (int n = 0; n < kMaxHelpLines; ++n) {
    if (aln_getline(nc, ss, fp) < 0) return;
    if (ss.find("END_OF_FILE") != std::string::npos) return;
    if (ss.empty()) {
      // Every empty line of the file is kept: the writer of the help
      // spaced it out on purpose.
      lblanc = 0;
      ss = "   ";
    }
    DISPLAY_LINE(ss, nb_line, lblanc, book);
  }
}

}  // namespace

void DISPLAY_HELP(Trf_book& book) {
  trace("enter DISPLAY_HELP \n");
  if (book.nb_line > 0) CLEAR_DRILL_PANE(book);
  int nb_line = 0;
  int lblanc = 0;
  LineReader fp;
  if (fp.open(working_or_installed(kHelpFile))) {
    show_file(fp, nb_line, lblanc, book);
  } else {
    show_missing_file(nb_line, lblanc, book);
  }
  book.nb_line = nb_line;
  ++book.start_lesson;
  book.fp_log.write("DISPLAY_HELP done\n");
}
