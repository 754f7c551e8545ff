#include "app/startup.h"

#include "app/program.h"
#include "app/work_dir.h"
#include "base/stop.h"
#include "base/trace.h"
#include "config/conf_reader.h"

namespace {

// Reads the configuration and opens the log: everything the program does
// before it touches a file of its own. Nothing is written before the
// configuration has been read whole.
void read_settings(Program& program) {
  FURCH_SET(program.caract_win, program.book, program.G_kentel, program.ss_font_lesson,
            program.ss_font_vocab);
  trace("After FURCH_SET \n");
  trace("nbt_lesson=%d \n", program.book.nbt_lesson);
  if (program.book.nbt_lesson < 1)
    fail(1, "none of the lesson files named in pimlo.conf exists stop \n");

  program.book.sound = 1;
  if (!program.log.open("pimlo_log"))
    fail(1, "cannot create the log file pimlo_log in the working directory stop \n");
}

void start(const char* argv0) {
  WORK_DIR(argv0);
  Program program;
  read_settings(program);
}

}  // namespace

int run_pimlo(int argc, char** argv) {
  try {
    start(argc > 0 ? argv[0] : "");
  } catch (const ProgramStop& stopped) {
    return stopped.status;
  }
  return 0;
}
