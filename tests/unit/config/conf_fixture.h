// Reads a pimlo.conf written into the sandbox into a Program and keeps the
// stop status and what was printed.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/program.h"
#include "config/conf_reader.h"
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

  Program program{std::make_unique<Null_player>()};
  Trf_err& err = program.t_err;
  Trf_string& catalogue = program.G_kentel;
  Trf_book& book = program.book;
  Prenestro& window = program.caract_win;
  std::string& font_lesson = program.ss_font_lesson;
  std::string& font_vocab = program.ss_font_vocab;
  std::string out;
};

// A list that satisfies the reader when a test is about something else.
inline const std::string kList = "Which_lesson :>\n a.txt\n<:\n";
