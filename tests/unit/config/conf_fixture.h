// Reads a pimlo.conf written into the sandbox and keeps everything it
// filled, the stop status and what was printed.
#pragma once

#include <string>
#include <vector>

#include "base/book.h"
#include "base/log_file.h"
#include "base/null_screen.h"
#include "base/player.h"
#include "config/conf_reader.h"
#include "drill/trf_posit.h"
#include "sandbox.h"

class ConfTest : public Sandbox {
 protected:
  // Writes `text` as ./pimlo.conf and reads it; returns the stop status, or
  // -1 when the file was read to its end.
  int read_conf(const std::string& text) {
    write_file("pimlo.conf", text);
    err = Trf_err{};
    book.nbt_lesson = 0;
    testing::internal::CaptureStdout();
    const int status =
        stop_status([&] { FURCH_SET(window, book, catalogue, font_lesson, font_vocab); });
    out = testing::internal::GetCapturedStdout();
    return status;
  }
  std::vector<double> coefs() const {
    return {err.cof1_err, err.cof2_err, err.cof3_err, err.cof4_err, err.cof5_err};
  }

  Prenestro window;
  Trf_err err;
  Trf_string catalogue;
  LogFile log;
  Null_screen screen;
  Null_player player;
  Trf_posit posit;
  Trf_book book{log, screen, player, catalogue, posit, err};
  std::string font_lesson, font_vocab, out;
};

// A list that satisfies the reader when a test is about something else.
inline const std::string kList = "Which_lesson :>\n a.txt\n<:\n";
