// The generated lesson file read back as lesson 0, on arbitrary bytes: the
// input is cut at its NUL bytes into "./idx2_gene", the history of lesson 1
// and the counts of the drill table. Every line of the file that begins with
// "#" is an element (at most 20). Each element is looked up in its lesson
// as the drill does, the table is checked against the history and recorded.
// Checked: the check never changes the history; a recording that stops
// leaves it byte for byte as it was; a finished one keeps its size. Pointer
// lines may name only files of the scratch directory.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "history/lesson_record.h"
#include "session/entry_lookup.h"
#include "session/session.h"
#include "two_lessons.h"

namespace {

using fuzz::check;
using fuzz::read_input_file;
using two_lessons::kHistory1;
using two_lessons::kToday;

// True when every path the file may name stays inside the scratch directory.
bool stays_inside(std::string gene) {
  for (std::size_t at = gene.find("./IDX1/"); at != std::string::npos; at = gene.find("./IDX1/"))
    gene.erase(at, 7);
  return gene.find('/') == std::string::npos && gene.find("..") == std::string::npos;
}

// Fills the table with one element per line beginning with "#", its counts
// taken from `counts` (two bytes per sense: loaded, then added).
void fill_table(const std::string& gene, const std::string& counts, Trf_posit& t) {
  t.reset(20);
  std::size_t byte = 0;
  auto next = [&] { return byte < counts.size() ? static_cast<unsigned char>(counts[byte++]) : 0; };
  for (std::size_t at = 0; at < gene.size() && t.nb_posit < 20; at = gene.find('\n', at) + 1) {
    if (gene[at] == '#') {
      const int k = ++t.nb_posit;
      t.posit[k] = static_cast<long>(at);
      t.QRord_posit[k] = t.RQord_posit[k] = k;
      for (int sense : {1, 2}) {
        SenseView s = t.sense(sense);
        const int loaded = next(), added = next();
        s.cum_nb0[k] = loaded & 7;
        s.cum_nok0[k] = loaded >> 3 & 7;
        s.cum_nb[k] = added == 0xff ? 10001 : s.cum_nb0[k] + (added & 3);
        s.cum_nok[k] = s.cum_nok0[k] + (added >> 2 & 3);
        s.cum_err[k] = added >> 4;
      }
    }
    if (gene.find('\n', at) == std::string::npos) break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool entered = (two_lessons::enter("pimlo_fuzz_gene_walk"), true);
  (void)entered;
  const auto parts =
      two_lessons::split(std::string_view(reinterpret_cast<const char*>(data), size), 3);
  if (!stays_inside(parts[0])) return 0;
  check(fuzz::write_input_file("idx2_gene", parts[0]));
  check(fuzz::write_input_file(kHistory1, parts[1]));
  check(fuzz::write_input_file("CPY/l1.txt", "!# a1\n# w1 *\nQ> q\nR> r\n"));
  std::remove("IDX1/cpy_idx1_l1.txt");

  two_lessons::World w;
  Trf_book& book = w.book;
  book.ilesson = 0;
  fill_table(parts[0], parts[2], w.t_posit);

  for (int k = 1; k <= w.t_posit.nb_posit; ++k) {
    two_lessons::stops([&] { WHAT_QR(k, session(), book); });
  }
  reset_session();

  const std::string original = read_input_file(kHistory1);
  two_lessons::stops([&] { VERIF_LESSON("./idx2_gene", book, kToday); });
  check(read_input_file(kHistory1) == original);

  const bool recorded = !two_lessons::stops([&] { RECORD_LESSON(book, kToday); });
  // Faulty lines lead to a rebuild of their lesson, which changes its size.
  if (read_input_file("pimlo_log").find("CHECK_4LINTsome error") != std::string::npos) return 0;
  const std::string after = read_input_file(kHistory1);
  if (recorded) {
    check(after.size() == original.size());
  } else {
    check(after == original);
  }
  return 0;
}
