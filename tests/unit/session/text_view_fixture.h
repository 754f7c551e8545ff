// A lesson catalogue of two lessons whose working copies the tests write,
// a book on a FakeScreen with a real log, and the text view's state.
#pragma once

#include <string>
#include <vector>

#include "app/book.h"
#include "base/log_file.h"
#include "catalogue/trf_string.h"
#include "fake_screen.h"
#include "sandbox.h"
#include "session/lesson_copy.h"
#include "session/lesson_text.h"
#include "session/sound_search.h"

class Text_view_test : public Sandbox {
 protected:
  void SetUp() override {
    Sandbox::SetUp();
    catalogue.st_lesson = "lessons/chat.txt lessons/chien.txt";
    catalogue.nb_lesson = 2;
    ASSERT_TRUE(log.open("pimlo_log"));
    book.G_kentel = &catalogue;
    book.nbt_lesson = 2;
    book.ilesson = 1;
    book.screen = &screen;
    book.fp_log = &log;
  }

  // Writes the working copy of `lesson` (1 or 2), each line ended by CR LF
  // as the program writes its copies.
  static void write_copy(int lesson, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    write_file(lesson == 1 ? "CPY/chat.txt" : "CPY/chien.txt", bytes);
  }

  // Writes lesson 1 with `text` as its text block, between two entries.
  static void write_text_block(const std::vector<std::string>& text) {
    std::vector<std::string> lines = {"!#chat", "# le chat *", "Q> le chat", "R> the cat",
                                      "#######"};
    lines.insert(lines.end(), text.begin(), text.end());
    lines.insert(lines.end(), {"#######", "# dort *", "Q> dort", "R> sleeps"});
    write_copy(1, lines);
  }

  // What the view shows under the header, buttons in place ("[A>1]", or
  // "{A>1}" for a known one).
  std::string shown() const {
    const std::string header = "KENTEL : lessons/chat.txt\n \nEILSKRID : ./CPY/chat.txt\n \n";
    if (screen.text_view.compare(0, header.size(), header) != 0)
      return "no header: " + screen.text_view;
    return screen.text_view.substr(header.size());
  }

  Trf_string catalogue;
  LogFile log;
  FakeScreen screen;
  Trf_book book;
  Lesson_copy copy;
  Sound_search sounds;
  Lesson_text text{copy, sounds};
};
