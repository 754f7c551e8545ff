// The program's run-time state, with one owner: the records that start-up
// fills and that live for the whole run, the log, the answer journal, the screen (one that shows
// nothing until the window is shown on it), the sound player, the session
// the window drives, and the book that points at all of them.
#pragma once

#include <memory>
#include <string>

#include "base/book.h"
#include "base/log_file.h"
#include "base/player.h"
#include "base/screen_relay.h"
#include "catalogue/trf_string.h"
#include "config/settings.h"
#include "drill/trf_posit.h"
#include "history/answer_journal.h"
#include "session/session.h"

struct Program {
  // With the sound device's player (libsndfile, ALSA or OSS).
  Program();
  // With `player` (never null): the fuzz targets and the benchmark play
  // nothing.
  explicit Program(std::unique_ptr<Player> player);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  Prenestro caract_win;
  Start_State start_state;
  Trf_string G_kentel;
  Trf_posit t_posit;
  Trf_err t_err;
  LogFile log;
  Answer_journal journal;
  std::string ss_font_lesson = "helvetica 18";
  std::string ss_font_vocab = "helvetica 18";
  Screen_relay screen;

 private:
  std::unique_ptr<Player> player_;

 public:
  Session session;
  Trf_book book{log, screen, *player_, G_kentel, t_posit, t_err, journal};
};
