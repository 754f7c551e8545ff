// The help file "./pimlo_list.txt", shown in the drill pane by "!help": the
// input up to its first NUL byte is the help text, the rest what follows an
// end line. Checked: the pane never holds more than its lines, each shown
// line is one line, and a line holding "END_OF_FILE" ends what is shown.
#include <cstdint>
#include <string>
#include <vector>

#include "commands/help_display.h"
#include "fuzz_fixture.h"

namespace {

std::vector<std::string> shown(const std::string& text, fuzz::World& w) {
  write_file(kHelpFile, text);
  w.screen.lines = {"left from before"};
  w.book.nb_line = 1;
  DISPLAY_HELP(w.book);
  fuzz::check_pane(w.screen, w.book.nb_line);
  return w.screen.lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::enter("pimlo_fuzz_help");
  const std::vector<std::string> parts = fuzz::split(data, size, 2);
  const std::string& help = parts[0];
  fuzz::World w;
  const std::vector<std::string> alone = shown(help, w);
  const bool ends_line = help.empty() || help.back() == '\n' || help.back() == '\r';
  fuzz::check(shown(help + (ends_line ? "" : "\n") + "END_OF_FILE" + parts[1], w) == alone);
  return 0;
}
