// The help file "./pimlo_list.txt", shown in the drill pane by "!help".
// Checked: the pane never holds more than its lines, each shown line is one
// line.
#include <cstdint>
#include <string>

#include "commands/help_display.h"
#include "fuzz_fixture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::enter("pimlo_fuzz_help");
  write_file(kHelpFile, std::string(reinterpret_cast<const char*>(data), size));
  fuzz::World w;
  w.screen.lines = {"left from before"};
  w.book.nb_line = 1;
  DISPLAY_HELP(w.book);
  fuzz::check_pane(w.screen, w.book.nb_line);
  return 0;
}
