// The readers of the two listings on an arbitrary history file: the tag
// tally (TAGS_EXTRACT, then the tag sort and the display lines) and the
// dictionary sort, which takes the same bytes as its work file with an
// offset at the start of every line. No crash; a completed tally counts
// every tag at most as often as it was seen and never more answered
// entries than entries; both sorts give a permutation in order.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/log_file.h"
#include "base/stop.h"
#include "commands/dico_sort.h"
#include "commands/tag_tally.h"
#include "fuzz_support.h"
#include "text/accents.h"

namespace {

using fuzz::check;

const char* const kScratch = "/tmp/pimlo_fuzz_tag_census";

bool is_permutation_from_1(std::vector<int> order, int n) {
  std::vector<char> seen(static_cast<std::size_t>(n) + 1, 0);
  for (int r = 1; r <= n; ++r) {
    if (order[r] < 1 || order[r] > n || seen[order[r]]) return false;
    seen[order[r]] = 1;
  }
  return true;
}

void tally(LogFile& log) {
  Tag_classmt classmt;
  classmt.fp_log = &log;
  classmt.class_path = kScratch;
  if (!classmt.fp_class.open(kScratch)) std::abort();
  try {
    TAGS_EXTRACT(classmt, 9000);
  } catch (const ProgramStop&) {
    return;
  }
  check(static_cast<int>(classmt.ss_words.size()) == (classmt.nb == 0 ? 0 : classmt.nb + 1));
  for (int k = 1; k <= classmt.nb; ++k) {
    const std::string& tag = classmt.ss_words[k];
    check(tag.size() >= 5 && tag.compare(0, 2, "* ") == 0 &&
          tag.compare(tag.size() - 2, 2, " *") == 0);
    check(classmt.value[k] >= 1 && classmt.nk_QR[k] <= classmt.value[k] &&
          classmt.nk_RQ[k] <= classmt.value[k]);
    check(classmt.index_of.at(tag) == k);
    check(!tag_display_line(classmt, k).empty());
  }
  MERGESORT_STG_CLASS(1, classmt.nb, classmt.order, classmt.ss_words);
  check(is_permutation_from_1(classmt.order, classmt.nb));
  for (int r = 2; r <= classmt.nb; ++r) {
    std::string a = classmt.ss_words[classmt.order[r - 1]];
    std::string b = classmt.ss_words[classmt.order[r]];
    a = a.substr(2, a.size() - 3);
    b = b.substr(2, b.size() - 3);
    RM_ACCENTS(a);
    RM_ACCENTS(b);
    const bool a_blank = a.find_first_not_of(' ') == std::string::npos;
    const bool b_blank = b.find_first_not_of(' ') == std::string::npos;
    check(a_blank || (!b_blank && a <= b));
  }
}

void dictionary_sort(const std::string& bytes) {
  std::vector<long> posit(1, 0);
  for (std::size_t i = 0; i < bytes.size() && posit.size() < 2000; ++i) {
    if (i == 0 || bytes[i - 1] == '\n') posit.push_back(static_cast<long>(i));
  }
  const std::vector<long> given = posit;
  LineReader fp(kScratch, 64);
  try {
    MERGESORT_ABC_FILE(1, static_cast<int>(posit.size()) - 1, posit, fp);
  } catch (const ProgramStop&) {
    return;
  }
  std::vector<long> sorted = posit, expected = given;
  std::sort(sorted.begin(), sorted.end());
  std::sort(expected.begin(), expected.end());
  check(sorted == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  check(fuzz::write_input_file(kScratch, bytes));
  static LogFile log;  // closed: writes nothing
  tally(log);
  dictionary_sort(bytes);
  return 0;
}
