// A catalogue of crafted history files for the lesson generators: lesson k
// is "lessons/l<k>.txt" with alias "a<k>" and history "./IDX1/idx1_l<k>.txt",
// written with the history format's own line builders. Errors are made easy
// to read: with cof3_err 1 and a high cap, a word answered right once,
// `a` days ago (a above 12), has error a.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "app/book.h"
#include "base/log_file.h"
#include "catalogue/trf_string.h"
#include "config/settings.h"
#include "drill/trf_posit.h"
#include "history/history_format.h"
#include "sandbox.h"

// One record of a crafted history file.
struct Word {
  std::string name;
  std::array<long, 4> qr{};  // nb, nok, date_ok, date_nok
  std::array<long, 4> rq{};
  std::string tail;  // the entry line after its "*"
};

class GeneratorFixture : public Sandbox {
 protected:
  static constexpr long kToday = 8000;

  void SetUp() override {
    Sandbox::SetUp();
    t_err.cof3_err = 1;
    t_err.cof4_err = 1000;
    book.G_kentel = &G_kentel;
    book.t_posit = &t_posit;
    book.t_err = &t_err;
    book.fp_log = &log_file;
    log_file.open("pimlo_log");
  }

  // The catalogue of lessons 1 to `n` (aliases a1 to an).
  void catalogue(int n) {
    G_kentel.st_lesson.clear();
    G_kentel.st_alias = " ";
    for (int k = 1; k <= n; ++k) {
      G_kentel.st_lesson += "lessons/l" + std::to_string(k) + ".txt ";
      G_kentel.st_alias += "a" + std::to_string(k) + " ";
    }
    G_kentel.nb_lesson = n;
    book.nbt_lesson = n;
  }

  static std::string history_path(int k) { return "./IDX1/idx1_l" + std::to_string(k) + ".txt"; }

  // The key line of `w` in lesson `k` as the line reader gives it; its
  // position in the lesson is 10 * (its index + 1).
  static std::string key_of(int k, const Word& w, std::size_t index) {
    const std::string line = key_line(entry_key(w.name + " ", "a" + std::to_string(k),
                                                static_cast<long>(10 * (index + 1)), w.tail));
    return line.substr(0, line.size() - 2);
  }

  // Writes the history file of lesson `k` holding `words`.
  void write_history(int k, const std::vector<Word>& words) {
    std::string bytes = header_line(history_path(k), "a" + std::to_string(k)) + marker_line();
    for (std::size_t i = 0; i < words.size(); ++i) {
      const Word& w = words[i];
      bytes += key_of(k, w, i) + "\r\n";
      bytes += stat_line(w.qr[0], w.qr[1], w.qr[2], w.qr[3]) + "\r\n";
      bytes += stat_line(w.rq[0], w.rq[1], w.rq[2], w.rq[3]) + "\r\n";
    }
    write_file(history_path(k), bytes + end_line(0));
  }

  // `count` words named prefix + number (from `first`), each made by `make`.
  template <typename Make>
  static std::vector<Word> words(const std::string& prefix, int first, int count, Make make) {
    std::vector<Word> out;
    for (int i = first; i < first + count; ++i) {
      Word w = make(i);
      w.name = prefix + (i < 10 ? "0" : "") + std::to_string(i);
      out.push_back(w);
    }
    return out;
  }

  // Histories of one sense: never asked; right once `a` days ago (error a).
  static std::array<long, 4> fresh() { return {0, 0, 0, 0}; }
  static std::array<long, 4> right_ago(long a) { return {1, 0, kToday - a, 0}; }

  // The name of the word in `slot`, read from its entry in "./idx2_gene".
  static std::string name_at(const std::string& gene, long posit) {
    const std::size_t end = gene.find(" *", static_cast<std::size_t>(posit));
    return gene.substr(static_cast<std::size_t>(posit) + 1,
                       end - static_cast<std::size_t>(posit) - 1);
  }

  // The words of the drill table at ranks 1 to nb_posit of sense `sens_qr`.
  std::vector<std::string> ranked(int sens_qr) {
    const std::string gene = read_file("idx2_gene");
    const std::vector<int>& ord = t_posit.sense(sens_qr).ord_posit;
    std::vector<std::string> names;
    for (int r = 1; r <= t_posit.nb_posit; ++r)
      names.push_back(name_at(gene, t_posit.posit[ord[r]]));
    return names;
  }

  // The words of the drill table in slot order.
  std::vector<std::string> slots() {
    const std::string gene = read_file("idx2_gene");
    std::vector<std::string> names;
    for (int s = 1; s <= t_posit.nb_posit; ++s) names.push_back(name_at(gene, t_posit.posit[s]));
    return names;
  }

  // The names of all entries written into "./idx2_gene", in file order.
  static std::vector<std::string> gene_entries() {
    const std::string gene = read_file("idx2_gene");
    std::vector<std::string> names;
    for (std::size_t at = 0; at < gene.size(); at = gene.find('\n', at) + 1) {
      if (gene[at] == '#' && gene.compare(at, 13, "# END_OF_FILE") != 0) {
        names.push_back(name_at(gene, static_cast<long>(at)));
      }
    }
    return names;
  }

  std::string log() { return read_file("pimlo_log"); }

  Trf_string G_kentel;
  Trf_posit t_posit;
  Trf_err t_err;
  LogFile log_file;
  Trf_book book;
};

// `names` as a list, for the comparisons above.
inline std::vector<std::string> names_of(const std::vector<Word>& words) {
  std::vector<std::string> out;
  for (const Word& w : words) out.push_back(w.name);
  return out;
}
