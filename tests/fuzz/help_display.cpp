// The help display on an arbitrary help file. Checked: the pane never holds
// more than its lines, each shown line is one line of text without line
// ends, a line holding "END_OF_FILE" is never shown, and whatever follows
// such a line changes nothing that is shown.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "commands/help_display.h"
#include "session/display_line.h"
#include "two_lessons.h"

namespace {

using fuzz::check;

class Pane final : public fuzz::Null_screen {
 public:
  void append_line(const std::string& text) override {
    check(text.find_first_of("\r\n") == std::string::npos);
    check(text.find("END_OF_FILE") == std::string::npos);
    lines.push_back(text);
  }
  void clear_lines() override { lines.clear(); }

  std::vector<std::string> lines;
};

// The lines shown for the help file `text`.
std::vector<std::string> shown(const std::string& text) {
  check(fuzz::write_input_file(kHelpFile, text));
  Pane pane;
  Trf_book book;
  book.screen = &pane;
  pane.lines.push_back("left from before");
  book.nb_line = 1;
  DISPLAY_HELP(book);
  check(book.nb_line == static_cast<int>(pane.lines.size()));
  check(book.nb_line <= MAX_LINE);
  check(book.start_lesson == 1);
  return pane.lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool entered = (fuzz::enter_scratch_dir("pimlo_fuzz_help_display"), true);
  (void)entered;
  // The input up to its first NUL byte is the help text, the rest what
  // follows an end line.
  const auto parts =
      two_lessons::split(std::string_view(reinterpret_cast<const char*>(data), size), 2);
  const std::string& help = parts[0];
  const std::vector<std::string> alone = shown(help);
  const bool ends_line = help.empty() || help.back() == '\n' || help.back() == '\r';
  check(shown(help + (ends_line ? "" : "\n") + "END_OF_FILE" + parts[1]) == alone);
  return 0;
}
