// The records the program creates at start-up and keeps for the whole run.
// One instance, owned by the start-up sequence; the book points into it.
#pragma once

#include <string>

#include "app/book.h"
#include "base/log_file.h"
#include "catalogue/trf_string.h"
#include "config/settings.h"
#include "drill/trf_posit.h"

struct Program {
  Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  Prenestro caract_win;
  Start_State start_state;
  Trf_string G_kentel;
  Trf_posit t_posit;
  Trf_err t_err;
  LogFile log;
  std::string ss_font_lesson = "helvetica 18";
  std::string ss_font_vocab = "helvetica 18";
  Trf_book book;
};
