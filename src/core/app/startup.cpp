#include "app/startup.h"

#include <cstdio>
#include <optional>
#include <string>

#include "app/command_line.h"
#include "app/program.h"
#include "app/stop_notice.h"
#include "app/unfinished_copies.h"
#include "app/work_dir.h"
#include "app/work_dir_lock.h"
#include "base/installed_files.h"
#include "base/stop.h"
#include "base/trace.h"
#include "config/conf_reader.h"
#include "history/commit_together.h"
#include "history/index_build.h"
#include "session/announce.h"
#include "session/drill_recovery.h"
#include "session/last_state.h"
#include "session/pane_text.h"
#include "session/toggles.h"

namespace {

// Reads the configuration and opens the log: everything the program does
// before it touches a file of its own. Nothing is written before the
// configuration has been read whole.
void read_settings(Program& program) {
  try {
    FURCH_SET(program.caract_win, program.book, program.G_kentel, program.ss_font_lesson,
              program.ss_font_vocab);
  } catch (ProgramStop& stopped) {
    if (stopped.file.empty()) stopped.file = "pimlo.conf";
    throw;
  }
  trace("After FURCH_SET \n");
  trace("nbt_lesson=%d \n", program.book.nbt_lesson);
  if (program.book.nbt_lesson < 1)
    fail_on("pimlo.conf", kExitBadInput,
            "none of the lesson files named in pimlo.conf exists stop \n");

  program.book.sound = 1;
  if (!program.log.open("pimlo_log"))
    fail(kExitBadInput, "cannot create the log file pimlo_log in the working directory stop \n");
}

Window_setup window_setup(const Program& program) {
  return {first_window_size(program.start_state, program.caract_win), program.ss_font_lesson,
          program.ss_font_vocab, program.book.sound == 1 ? kSoundOnLabel : kSoundOffLabel,
          sense_label(program.book.sens_qr)};
}

// `logged` becomes true once the log of this run is open.
void start(int argc, char** argv, Window_shell& shell, bool& logged) {
  WORK_DIR(argc > 0 && argv[0] != nullptr ? argv[0] : "");
  // Before anything is read or written: a second program in this directory
  // would overwrite the first one's files.
  Work_dir_lock lock;
  lock.take();
  Program program;
  read_settings(program);
  logged = true;

  // A recording cut short between its renames is finished before the
  // copies left unfinished are removed.
  complete_unfinished_commit(program.journal, program.log);
  remove_unfinished_copies(program.log, program.G_kentel);
  CALC_INDEX(program.log, program.G_kentel, program.t_posit);
  trace("After CALC_INDEX \n");

  if (!shell.init_toolkit(argc, argv, working_or_installed("pimlo.rc")))
    fail(kExitBadInput, "cannot open the display, the window cannot be shown stop \n");

  START_PAGE_NUMBER(program.start_state, program.book);
  trace("After START_PAGE_NUMBER \n");

  settle_book(program.book, program.start_state);
  Pimlo pimlo(program, shell);
  program.screen.show_on(shell.build_window(window_setup(program), pimlo));

  shell.show(program.start_state.root_x, program.start_state.root_y);
  offer_recovery(program.session, program.book);
  CONFIRM0_LESSON(program.session, program.book);
  shell.run_main_loop();
  std::fflush(stdout);
}

}  // namespace

Window_size first_window_size(const Start_State& S_state, const Prenestro& caract_win) {
  if (S_state.root_width > 0 && S_state.root_height > 0)
    return {S_state.root_width, S_state.root_height, S_state.width_book};
  return {caract_win.book_pix_size[0], caract_win.book_pix_size[1], caract_win.book_pix_size[2]};
}

void settle_book(Trf_book& book, const Start_State& S_state) {
  book.nb_line = 0;
  book.state = kQuestionShown;
  book.sens_qr = 1;
  book.toggle_sens_qr = 0;
  book.ilesson = 1;
  if (S_state.sens_qr != 0) book.sens_qr = S_state.sens_qr;
  if (S_state.num_lesson != 0) book.ilesson = S_state.num_lesson;
  if (book.ilesson < 1 || book.ilesson > book.nbt_lesson) {
    trace("remembered lesson %d is not in the catalogue, lesson 1 \n", book.ilesson);
    book.ilesson = 1;
  }
  book.start_lesson = kNoLessonAnnounced;
  book.interro_sound = 1;

  if (book.sound != 1) book.sound = 0;
  if (book.sens_qr != 2) book.sens_qr = 1;
}

int run_pimlo(int argc, char** argv, Window_shell& shell) {
  if (const std::optional<std::string> text = option_text(argc, argv)) {
    std::fputs(text->c_str(), stdout);
    return 0;
  }
  bool logged = false;
  try {
    start(argc, argv, shell, logged);
  } catch (const ProgramStop& stopped) {
    std::fflush(stdout);
    shell.tell_stop(stop_notice(stopped, logged));
    return stopped.status;
  }
  return 0;
}
