// The fixture of the session tests: a book on a FakeScreen (see
// book_fixture.h), seeded so that every drill is the same at each run, with
// helpers to drive the drill button and to write the working copies the
// lesson text view reads.
#pragma once

#include <string>
#include <vector>

#include "book_fixture.h"
#include "session/lesson_text.h"

using Lines = std::vector<std::string>;

class Session_test : public Book_test {
 protected:
  Session_test() : Book_test(2024) {}

  // A lesson of `n` entries "word<i>" with sides "question <i>" and
  // "answer <i>".
  static std::string numbered_lesson(const std::string& alias, int n) {
    std::string text = "!# " + alias + "\n";
    for (int i = 1; i <= n; ++i) {
      const std::string k = std::to_string(i);
      text += "# word" + k + " *\nQ> question " + k + "\nR> answer " + k + "\n";
    }
    return text;
  }

  // Writes the working copy of lesson 1 ("chat") or 2 ("chien"), lines
  // ended by CR LF, for the lesson text view.
  static void write_copy(int lesson, const Lines& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    write_file(lesson == 1 ? "CPY/chat.txt" : "CPY/chien.txt", bytes);
  }

  // What the text view of lesson 1 shows under its header, buttons in place
  // ("[A>1]", or "{A>1}" for a button with a sound).
  std::string shown() const {
    const std::string header = "KENTEL : lessons/chat.txt\n \nEILSKRID : ./CPY/chat.txt\n \n";
    if (screen.text_view.compare(0, header.size(), header) != 0) return "no header";
    return screen.text_view.substr(header.size());
  }
};
