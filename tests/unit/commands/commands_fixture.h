// One fixture for the commands: a fresh working directory, a book on a
// FakeScreen, and two ways to make a catalogue: real lessons run through
// the start-up's index build, or crafted history files "./IDX1/idx1_l<k>.txt"
// (alias "a<k>") written with the history format's own line builders. With
// the crafted catalogue's error settings, a word answered right once `a`
// days ago (a above 12) has error a.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "book_fixture.h"
#include "commands/command_entry.h"
#include "history/history_format.h"
#include "session/announce.h"
#include "session/drill_press.h"

using Names = std::vector<std::string>;

// One record of a crafted history file.
struct Word {
  std::string name;
  std::array<long, 4> qr{};  // nb, nok, date_ok, date_nok
  std::array<long, 4> rq{};
  std::string tail;  // the entry line after its "*"
};

class Commands_test : public Book_test {
 protected:
  static constexpr long kToday = 8000;

  Commands_test() : Book_test(7) {}

  // ---- real lessons
  static std::string entry(const std::string& name_and_tail) {
    return "# " + name_and_tail + "\nQ> q\nR> r\n";
  }

  // ---- crafted histories
  void catalogue(int n) {
    t_err.cof3_err = 1;
    t_err.cof4_err = 1000;
    G_kentel.st_lesson.clear();
    G_kentel.st_alias = " ";
    for (int k = 1; k <= n; ++k) {
      G_kentel.st_lesson += "lessons/l" + std::to_string(k) + ".txt ";
      G_kentel.st_alias += "a" + std::to_string(k) + " ";
    }
    G_kentel.nb_lesson = book.nbt_lesson = n;
  }
  static std::string history_path(int k) { return "./IDX1/idx1_l" + std::to_string(k) + ".txt"; }

  // Word i of `words` sits at position 10 * (i + 1) of its lesson.
  void write_history(int k, const std::vector<Word>& words) {
    const std::string alias = "a" + std::to_string(k);
    std::string bytes = header_line(history_path(k), alias) + marker_line();
    for (std::size_t i = 0; i < words.size(); ++i) {
      const Word& w = words[i];
      bytes += key_line(entry_key(w.name + " ", alias, static_cast<long>(10 * (i + 1)), w.tail));
      bytes += stat_line(w.qr[0], w.qr[1], w.qr[2], w.qr[3]) + "\r\n";
      bytes += stat_line(w.rq[0], w.rq[1], w.rq[2], w.rq[3]) + "\r\n";
    }
    write_file(history_path(k), bytes + end_line(0));
  }
  static std::array<long, 4> fresh() { return {0, 0, 0, 0}; }
  static std::array<long, 4> right_ago(long a) { return {1, 0, kToday - a, 0}; }
  static Word aged(const std::string& name, long a, const std::string& tail = "") {
    return Word{name, right_ago(a), fresh(), tail};
  }

  // ---- the generated lesson "./idx2_gene"
  static std::string name_at(const std::string& gene, long posit) {
    const auto at = static_cast<std::size_t>(posit);
    return gene.substr(at + 1, gene.find(" *", at) - at - 1);
  }
  // The words at ranks 1 to nb_posit of sense `sens_qr`, or in slot order (0).
  Names ranked(int sens_qr = 0) {
    const std::string gene = read_file("idx2_gene");
    Names names;
    for (int r = 1; r <= t_posit.nb_posit; ++r) {
      const int slot = sens_qr ? t_posit.sense(sens_qr).ord_posit[r] : r;
      names.push_back(name_at(gene, t_posit.posit[slot]));
    }
    return names;
  }
  // The names of all entries written into "./idx2_gene", in file order.
  static Names gene_entries() {
    const std::string gene = read_file("idx2_gene");
    Names names;
    for (std::size_t at = 0; at < gene.size(); at = gene.find('\n', at) + 1) {
      if (gene[at] == '#' && gene.compare(at, 13, "# END_OF_FILE") != 0)
        names.push_back(name_at(gene, static_cast<long>(at)));
    }
    return names;
  }
  std::string log() const { return read_file("pimlo_log"); }

  // ---- the window's side
  void announce(int ilesson) {
    book.ilesson = ilesson;
    book.start_lesson = 0;
    CONFIRM0_LESSON(session, book);
  }
  void press(int button) { drill_press(button, session, book); }
  void start_drill(int ilesson) {
    announce(ilesson);
    press(3);
    press(1);
    ASSERT_EQ(book.start_lesson, 3);
  }
  void answer(int verdict) {
    press(1);
    press(verdict);
  }
  // Types `utf8_text` and presses Enter; returns what was printed.
  std::string enter(const std::string& utf8_text) {
    testing::internal::CaptureStdout();
    callback_entry_book(utf8_text, session, book);
    return testing::internal::GetCapturedStdout();
  }
  bool pane_has(const std::string& line) const {
    for (const std::string& shown : screen.lines)
      if (shown == line) return true;
    return false;
  }
};
