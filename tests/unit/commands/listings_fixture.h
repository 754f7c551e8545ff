// A real catalogue in a fresh working directory, its history files made by
// the start-up's index build, and a book on a FakeScreen, for running the
// listings as the command entry does.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "app/book.h"
#include "base/log_file.h"
#include "catalogue/trf_string.h"
#include "drill/trf_posit.h"
#include "fake_screen.h"
#include "history/history_format.h"
#include "history/index_build.h"
#include "sandbox.h"

class Listings_test : public Sandbox {
 protected:
  void SetUp() override {
    Sandbox::SetUp();
    ASSERT_TRUE(log_file.open("pimlo_log"));
    book.G_kentel = &G_kentel;
    book.fp_log = &log_file;
    book.t_posit = &t_posit;
    book.screen = &screen;
  }

  // Writes the lesson files "lessons/<name>" and runs the start-up's index
  // build over them.
  void make_catalogue(const std::vector<std::pair<std::string, std::string>>& lessons) {
    G_kentel.st_lesson.clear();
    for (const auto& [name, text] : lessons) {
      const std::string path = "lessons/" + name;
      write_file(path, text);
      if (!G_kentel.st_lesson.empty()) G_kentel.st_lesson += ' ';
      G_kentel.st_lesson += path;
    }
    G_kentel.nb_lesson = static_cast<int>(lessons.size());
    book.nbt_lesson = G_kentel.nb_lesson;
    testing::internal::CaptureStdout();  // the index build's progress lines
    CALC_INDEX(log_file, G_kentel, t_posit);
    testing::internal::GetCapturedStdout();
  }

  // Gives the record whose key line begins with "#" + `name` (its name and
  // "*") in the history file `idx1` the statistics (nb, nok) in sense Q->R
  // and (nb_rq, nok_rq) in sense R->Q, in place.
  static void answer_record(const std::string& idx1, const std::string& name, long nb, long nok,
                            long nb_rq = 0, long nok_rq = 0) {
    std::string bytes = read_file(idx1);
    const std::size_t key = bytes.find("\n#" + name);
    ASSERT_NE(key, std::string::npos) << name;
    const std::size_t qr = bytes.find('\n', key + 1) + 1;
    const std::size_t rq = qr + kStatLineLength + 2;
    bytes.replace(qr, kStatLineLength, stat_line(nb, nok, nb ? 1 : 0, nok ? 1 : 0));
    bytes.replace(rq, kStatLineLength, stat_line(nb_rq, nok_rq, nb_rq ? 1 : 0, nok_rq ? 1 : 0));
    write_file(idx1, bytes);
  }

  static std::string entry(const std::string& name_and_tail) {
    return "# " + name_and_tail + "\nQ> q\nR> r\n";
  }

  Trf_string G_kentel;
  Trf_posit t_posit;
  LogFile log_file;
  FakeScreen screen;
  Trf_book book;
};
