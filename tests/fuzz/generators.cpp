// The lesson generators over arbitrary history files: the input is split at
// its first NUL byte into the history files of lessons 1 and 2. Every
// generator runs on them (a stop on a broken history is clean); when one
// returns, the table holds at most 20 words in valid orders, each word's
// entry in "./idx2_gene" names one of the two history files, and a file that
// was finished ends with its end line.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/book.h"
#include "base/stop.h"
#include "catalogue/trf_string.h"
#include "commands/generators.h"
#include "config/settings.h"
#include "drill/trf_posit.h"
#include "fuzz_support.h"

namespace {

using fuzz::check;

const char* const kScratch = "/tmp/pimlo_fuzz_generators";
constexpr long kToday = 8000;

// Checks what a generator that returned left behind.
void check_lesson(const Trf_posit& t) {
  check(t.nb_posit >= 0 && t.nb_posit <= 20);
  if (const auto fault = drill_table_fault(t)) {
    std::fprintf(stderr, "fuzz_generators: %s\n", fault->c_str());
    std::abort();
  }
  const std::string gene = fuzz::read_input_file("idx2_gene");
  for (int s = 1; s <= t.nb_posit; ++s) {
    const auto at = static_cast<std::size_t>(t.posit[s]);
    check(at < gene.size() && gene[at] == '#');
    const std::size_t pointer = gene.find('\n', at) + 1;
    check(gene.compare(pointer, 22, " ./IDX1/idx1_l1.txt * ") == 0 ||
          gene.compare(pointer, 22, " ./IDX1/idx1_l2.txt * ") == 0);
  }
  const std::size_t end = gene.rfind("# END_OF_FILE * ");
  if (end != std::string::npos) {
    check(gene.substr(end) == "# END_OF_FILE * " + std::to_string(end) + " \n");
  }
}

template <typename Generator>
void run(Trf_book& book, Generator generate) {
  try {
    generate();
  } catch (const ProgramStop&) {
    return;
  }
  check_lesson(book.t_posit);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool ready = [] {
    // The checks and the stops print on standard output: not wanted here.
    if (!std::freopen("/dev/null", "w", stdout)) return false;
    ::mkdir(kScratch, 0777);
    return ::chdir(kScratch) == 0 && (::mkdir("IDX1", 0777) == 0 || errno == EEXIST);
  }();
  if (!ready) return 0;

  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\0');
  check(fuzz::write_input_file("IDX1/idx1_l1.txt", input.substr(0, split)));
  check(fuzz::write_input_file("IDX1/idx1_l2.txt",
                               split == std::string::npos ? "" : input.substr(split + 1)));

  Trf_string G_kentel;
  G_kentel.st_lesson = "l1.txt l2.txt";
  G_kentel.st_alias = " a1 a2 ";
  G_kentel.nb_lesson = 2;
  Trf_posit t_posit;
  Trf_err t_err;
  Trf_book book;
  book.G_kentel = &G_kentel;
  book.t_posit = &t_posit;
  book.t_err = &t_err;
  book.nbt_lesson = 2;

  for (int sens_qr : {1, 2}) {
    book.sens_qr = sens_qr;
    run(book, [&] { NEW_WORDS_LESSON(book, kToday); });
    run(book, [&] { BALANCE_WORDS(book, kToday); });
    for (int code = 1; code <= 5; ++code) {
      run(book, [&] { WORST_WORDS_LESSON(code, book, kToday); });
    }
    run(book, [&] { NEW_TAG_LESSON(" pet ", book, kToday); });
    run(book, [&] { WORST_TAG_LESSON("", book, kToday); });
  }
  return 0;
}
