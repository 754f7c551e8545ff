// The history file (marker line, key lines with their two statistics lines,
// reference lines, end line; and the old single-line form that "!trf"
// converts) as the histories of the two lessons of the catalogue. The input
// is cut at its NUL bytes into the history of lesson 1, that of lesson 2
// (also the other copy that "!synchro" merges into lesson 1), a command
// typed into the command entry and a run of verdicts. Each step starts from
// the histories of the input. Checked:
//  - each line: the numbers read obey the record rules, damage in one field
//    changes no other, a statistics line written from them reads back
//    unchanged; key lines keep their shape; the command keeps its shape;
//  - "!trf": a conversion that stops or leaves the file out leaves nothing
//    behind; a finished one has its marker line, gives each
//    record two statistics lines that read back without fault and ends with
//    its end line naming its own offset;
//  - "!ltag" and "!dico" change no history; no tag is counted more often
//    than there are key lines, nor answered more often than counted; the
//    dictionary holds the key lines of the work file;
//  - every generator (the tag ones with the command's tag): at most 20 words
//    in valid orders, each entry of "./idx2_gene" naming one of the two
//    histories, a finished file ending with its end line; the command's own
//    generator's lesson is looked up, checked and drilled with the verdicts;
//  - lesson 1 loaded, drilled with the verdicts, recorded, then forgotten: a
//    load, recording or reset that stops leaves both histories byte for byte
//    as they were; the table stays valid through every verdict; a
//    recording keeps the size of both files and the lesson loads again with
//    the counts recorded; after the reset every count is 0;
//  - "!ccdb" then "!synchro": a step that stops leaves the history as it
//    was; the check backs the old history up; the lesson loads after each
//    step; the rebuilt history reads back without fault, and a rebuild or a
//    synchronisation repeated changes nothing.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "commands/entry_command.h"
#include "commands/generators.h"
#include "commands/listings.h"
#include "drill/day_number.h"
#include "drill/marking.h"
#include "fuzz_fixture.h"
#include "history/history_format.h"
#include "history/index_build.h"
#include "history/lesson_load.h"
#include "history/lesson_record.h"
#include "history/maintenance.h"
#include "session/entry_lookup.h"

namespace {

using fuzz::check;
using fuzz::kHistory1;
using fuzz::kHistory2;
using fuzz::kToday;
using fuzz::read_file;
using fuzz::stops;

const char* const kOther = "./other/idx1_l1.txt";
const char* const kBackup = "./IDX1/cpy_idx1_l1.txt";
const char* const kConverted = "./IDX1_TRF/idx1_l1.txt";

struct Histories {
  std::string first = read_file(kHistory1);
  std::string second = read_file(kHistory2);
  bool operator==(const Histories&) const = default;
};

// The histories of the input, an empty one standing for a missing file.
void restore(const std::vector<std::string>& parts) {
  for (const char* stale : {kHistory1, kHistory2, kBackup, "./IDX1/cpy_idx1_l2.txt"})
    std::remove(stale);
  if (!parts[0].empty()) fuzz::write_file(kHistory1, parts[0]);
  if (!parts[1].empty()) fuzz::write_file(kHistory2, parts[1]);
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

void check_line(const std::string& line) {
  std::array<long, 5> v{};
  const int result = CHECK_EXTRACT_4LINT(kToday, line, v);
  check(result == 0 || result == 1);
  check(v[1] >= 0 && v[2] >= 0 && v[3] >= 0 && v[4] >= 0 && v[3] <= kToday && v[4] <= kToday);
  check((v[1] != 0 || v[3] == 0) && (v[2] != 0 || v[4] == 0));
  check(v[1] <= kMaxStatCount && v[2] <= kMaxStatCount);
  const std::string rewritten = stat_line(v[1], v[2], v[3], v[4]);
  std::array<long, 5> again{};
  check(rewritten.size() == kStatLineLength && CHECK_EXTRACT_4LINT(kToday, rewritten, again) == 0);
  check(again == v);

  // The line's first field put into one field of a sound line changes only
  // that field's sense pair, count and day.
  const std::string field = line.substr(0, kStatFieldWidth);
  if (field.size() == kStatFieldWidth && field.find(';') == std::string::npos) {
    const std::size_t k = line.size() % 4;
    std::string damaged = stat_line(5, 3, 100, 90);
    damaged.replace(k * (kStatFieldWidth + 1), kStatFieldWidth, field);
    CHECK_EXTRACT_4LINT(kToday, damaged, v);
    check(k % 2 == 0 ? v[2] == 3 && v[4] == 90 : v[1] == 5 && v[3] == 100);
  }

  std::array<long, 7> old{};
  const int old_result = CHECK_EXTRACT_6LINT(kToday, line, old);
  check(old_result == 0 || old_result == 1);
  for (int s = 0; s < 2; ++s) {
    const long asked = old[1 + 3 * s], wrong = old[2 + 3 * s], day = old[3 + 3 * s];
    check(wrong >= 0 && wrong <= asked && asked <= kMaxStatCount && day >= 0 && day <= kToday);
  }

  const std::string collapsed = collapse_blanks(line);
  check(collapsed.find("  ") == std::string::npos && collapsed.find('\t') == std::string::npos);
  check(collapse_blanks(collapsed) == collapsed);
  const auto key = parse_key_line(line);
  check(key.has_value() == (line.find('*') != std::string::npos));
  if (key) check(key->alias.find_first_of(" \t\r\n") == std::string::npos);
}

Entry_command check_command(const std::string& text) {
  check((sound_command(text) == Sound_request::none) == !text.starts_with("!sound"));
  const Entry_command c = parse_entry_command(text);
  check(c.sens_qr >= 0 && c.sens_qr <= 2);
  check((c.action == Entry_action::worst_words) == (c.code_worst >= 1 && c.code_worst <= 5));
  if (!c.ss_tag.empty()) {
    check(c.ss_tag.size() >= 2 && c.ss_tag.front() == ' ' && c.ss_tag.back() == ' ');
    for (char ch : c.ss_tag) check(ch < 'A' || ch > 'Z');
  }
  if (c.action == Entry_action::synchro_base) check(c.words.size() <= 1);
  for (const std::string& word : c.words)
    check(!word.empty() && word.find(' ') == std::string::npos);
  if (c.action == Entry_action::lesson) check(c.words.empty() && c.ss_tag.empty());
  return c;
}

void check_transfer(fuzz::World& w) {
  fuzz::fs::remove_all("IDX1_TRF");
  fuzz::fs::create_directory("IDX1_TRF");
  const long today = DIFF_JOUR();
  auto outcome = Transfer_outcome::done;
  if (stops([&] { outcome = TRF_IDX1_FILE(w.program.log, kHistory1, kConverted); }) ||
      outcome == Transfer_outcome::not_old_form || outcome == Transfer_outcome::missing) {
    check(fuzz::fs::is_empty("IDX1_TRF"));
    return;
  }
  const std::string text = read_file(kConverted);
  check(text.ends_with("\n"));
  const std::vector<std::string> lines = lines_of(text);
  std::size_t i = 0;
  while (i < lines.size() && !is_marker_line(lines[i])) ++i;
  check(i < lines.size());
  for (++i; i + 1 < lines.size(); ++i) {
    check(lines[i].starts_with("#"));
    if (is_reference_line(lines[i])) continue;
    check(i + 3 < lines.size());
    std::array<long, 5> v{};
    // A conversion that ran across midnight is checked against the later day.
    for (int sense : {1, 2})
      check(CHECK_EXTRACT_4LINT(std::max(today, DIFF_JOUR()), lines[i + sense], v) == 0);
    i += 2;
  }
  check(i + 1 == lines.size());
  check(lines.back() ==
        "# END_OF_FILE * " + std::to_string(text.size() - lines.back().size() - 1) + " ");
}

void check_listings(fuzz::World& w) {
  const Histories before;
  const auto key_lines = std::count(before.first.begin(), before.first.end(), '#') +
                         std::count(before.second.begin(), before.second.end(), '#');
  if (!stops([&] { DICO_TAGS(w.book); })) {
    for (const std::string& line : lines_of(read_file("pimlo_ltag"))) {
      long nb = 0, qr = 0, rq = 0;
      const std::size_t at = line.rfind(" nb=");
      check(at != std::string::npos &&
            std::sscanf(line.c_str() + at, " nb=%ld QR=%ld RQ=%ld", &nb, &qr, &rq) == 3);
      check(nb >= 1 && nb <= key_lines && qr <= nb && rq <= nb);
    }
  }
  check(Histories() == before);
  if (!stops([&] { PIMLO_DICO(w.book); })) {
    std::vector<std::string> work = lines_of(read_file("pimlo_dico1"));
    std::vector<std::string> dico = lines_of(read_file("pimlo_dico"));
    check(!dico.empty() && dico.back() == "END_OF_FILE");
    dico.pop_back();
    for (std::string& line : work) line.insert(0, "#");
    std::sort(work.begin(), work.end());
    std::sort(dico.begin(), dico.end());
    check(work == dico);
  }
  check(Histories() == before);
}

// What a generator that returned left behind.
void check_generated(const Trf_posit& t) {
  check(t.nb_posit >= 0 && t.nb_posit <= 20);
  fuzz::check_table(t);
  const std::string gene = read_file("idx2_gene");
  for (int k = 1; k <= t.nb_posit; ++k) {
    const auto at = static_cast<std::size_t>(t.posit[k]);
    check(at < gene.size() && gene[at] == '#');
    const std::size_t pointer = gene.find('\n', at) + 1;
    check(gene.compare(pointer, 22, " ./IDX1/idx1_l1.txt * ") == 0 ||
          gene.compare(pointer, 22, " ./IDX1/idx1_l2.txt * ") == 0);
  }
  const std::size_t end = gene.rfind("# END_OF_FILE * ");
  if (end != std::string::npos)
    check(gene.substr(end) == "# END_OF_FILE * " + std::to_string(end) + " \n");
}

// Runs the generator of `c` (any other command runs none); false when it
// stopped or ran none.
bool generate(const Entry_command& c, Trf_book& book) {
  using enum Entry_action;
  const auto a = c.action;
  if (a != new_words && a != balance && a != worst_words && a != new_tag && a != worst_tag)
    return false;
  const bool stopped = stops([&] {
    if (a == new_words) NEW_WORDS_LESSON(book, kToday);
    if (a == balance) BALANCE_WORDS(book, kToday);
    if (a == worst_words) WORST_WORDS_LESSON(c.code_worst, book, kToday);
    if (a == new_tag) NEW_TAG_LESSON(c.ss_tag, book, kToday);
    if (a == worst_tag) WORST_TAG_LESSON(c.ss_tag, book, kToday);
  });
  if (!stopped) check_generated(book.t_posit);
  return !stopped;
}

// Marks one verdict per byte of `verdicts` (at most 64): the element, the
// sense and the button (right, wrong, skip, right) come from its bits.
void mark(const std::string& verdicts, Trf_book& book) {
  Marking_State marking;
  for (std::size_t i = 0; i < verdicts.size() && i < 64 && book.t_posit.nb_posit > 0; ++i) {
    const auto b = static_cast<unsigned char>(verdicts[i]);
    static constexpr int kButtons[] = {1, 3, 2, 1};
    book.QR_no = 1 + (b >> 3) % book.t_posit.nb_posit;
    book.sens_qrm = 1 + ((b >> 2) & 1);
    book.QR_order = 0;
    MARK_ANSWER(kButtons[b & 3], marking, book);
    fuzz::check_table(book.t_posit);
  }
}

// Records the drill; true when it was recorded without faulty lines met.
bool record(Trf_book& book) {
  const Histories before;
  std::vector<std::string> faulty;
  if (stops([&] { faulty = RECORD_LESSON(book, kToday); })) {
    check(Histories() == before);
    return false;
  }
  const Histories after;
  check(after.first.size() == before.first.size() && after.second.size() == before.second.size());
  return faulty.empty();
}

void drill_generated(const Entry_command& c, const std::string& verdicts, fuzz::World& w) {
  w.book.sens_qr = 1 + (c.sens_qr == 2);
  if (!generate(c, w.book) || w.t_posit.nb_posit == 0) return;
  w.book.ilesson = 0;
  for (int k = 1; k <= w.t_posit.nb_posit; ++k) stops([&] { WHAT_QR(k, w.session, w.book); });
  const Histories before;
  stops([&] { VERIF_LESSON("./idx2_gene", w.book, kToday); });
  check(Histories() == before);
  mark(verdicts, w.book);
  record(w.book);
}

void check_generators(const Entry_command& c, const std::string& verdicts, fuzz::World& w) {
  for (int sens_qr : {1, 2}) {
    w.book.sens_qr = sens_qr;
    for (auto action : {Entry_action::new_words, Entry_action::balance, Entry_action::new_tag,
                        Entry_action::worst_tag})
      generate({action, sens_qr, 0, c.ss_tag, {}}, w.book);
    for (int code = 1; code <= 5; ++code)
      generate({Entry_action::worst_words, sens_qr, code, "", {}}, w.book);
  }
  drill_generated(c, verdicts, w);
}

// How many elements point at each element's record (the pointer line after
// its key line in "./idx1_gene"); 0 for an element whose key line has no
// "*", which a recording passes over.
std::vector<int> users_of_records(const Trf_posit& t) {
  const std::string gene = read_file("idx1_gene");
  std::map<std::string, int> users;
  std::vector<std::string> pointer(t.nb_posit + 1);
  std::vector<bool> starred(t.nb_posit + 1);
  for (int k = 1; k <= t.nb_posit; ++k) {
    const std::size_t key = static_cast<std::size_t>(t.posit[k]), line = gene.find('\n', key);
    check(line != std::string::npos);
    starred[k] = gene.substr(key, line - key).find('*') != std::string::npos;
    pointer[k] = gene.substr(line + 1, gene.find('\n', line + 1) - line - 1);
    ++users[pointer[k]];
  }
  std::vector<int> count(t.nb_posit + 1);
  for (int k = 1; k <= t.nb_posit; ++k) count[k] = starred[k] ? users[pointer[k]] : 0;
  return count;
}

void check_loads(Trf_book& book) {
  check(!stops([&] { INIT_LESSON(1, book, kToday); }));
  fuzz::check_table(book.t_posit);
}

void check_recorded(const Trf_posit& drilled, const std::vector<int>& users, Trf_book& book) {
  check_loads(book);
  const Trf_posit& t = book.t_posit;
  check(t.nb_posit == drilled.nb_posit);
  for (int k = 1; k <= t.nb_posit; ++k) {
    for (int sense : {1, 2}) {
      const ConstSenseView before = drilled.sense(sense), after = t.sense(sense);
      if (users[k] != 1) continue;
      check(after.cum_nok0[k] == before.cum_nok[k] && after.cum_nb0[k] <= before.cum_nb[k]);
      check(after.cum_nb0[k] >= before.cum_nb0[k] && after.cum_nb0[k] <= before.cum_nb0[k] + 1);
    }
  }
}

void check_lesson_drill(const std::string& verdicts, fuzz::World& w) {
  Trf_book& book = w.book;
  book.ilesson = 1;
  const Histories original;
  if (stops([&] { INIT_LESSON(1, book, kToday); })) {
    check(Histories() == original);
    return;
  }
  fuzz::check_table(w.t_posit);
  mark(verdicts, book);
  const Trf_posit drilled = w.t_posit;
  const std::vector<int> users = users_of_records(drilled);
  if (!record(book)) return;
  check_recorded(drilled, users, book);
  const Histories recorded;
  if (stops([&] { RAZ_LESSON(book); })) {
    check(Histories() == recorded);
    return;
  }
  check_loads(book);
  for (int k = 1; k <= w.t_posit.nb_posit; ++k) {
    check(w.t_posit.QRcum_nb0[k] == 0 && w.t_posit.QRcum_nok0[k] == 0);
    check(w.t_posit.RQcum_nb0[k] == 0 && w.t_posit.RQcum_nok0[k] == 0);
  }
}

// Checks and corrects lesson 1; false when it stopped, the history then
// unchanged.
bool check_correct(Trf_book& book, Base_report& report) {
  const std::string before = read_file(kHistory1);
  if (stops([&] { report = CHECK_CORR_SNG_DBASE("1", book); })) {
    check(read_file(kHistory1) == before);
    return false;
  }
  check(report.rewritten.size() == 1);
  check_loads(book);
  return true;
}

bool synchronise(fuzz::World& w) {
  const std::string before = read_file(kHistory1);
  if (stops([&] { SYNCHRO_IDX1_FILE(w.program.log, "./CPY/l1.txt", kHistory1, kOther); })) {
    check(read_file(kHistory1) == before);
    return false;
  }
  check_loads(w.book);
  return true;
}

void check_maintenance(const std::string& original, fuzz::World& w) {
  // Only lesson 1 is checked: a broken history of lesson 2 would stop the
  // loads through the references.
  std::remove(kHistory2);
  Base_report report;
  if (!check_correct(w.book, report)) return;
  if (!original.empty()) check(read_file(kBackup) == original);
  check(check_correct(w.book, report) && report.rewritten[0].faulty_lines == 0);
  const std::string rebuilt = read_file(kHistory1);
  check(check_correct(w.book, report) && read_file(kHistory1) == rebuilt);

  if (!synchronise(w)) return;
  const std::string merged = read_file(kHistory1);
  check(synchronise(w) && read_file(kHistory1) == merged);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool entered = [] {
    fuzz::enter("pimlo_fuzz_history");
    fuzz::fs::create_directory("other");
    fuzz::World w;  // the working copies, for the drill and the check
    CALC_INDEX(w.program.log, w.program.G_kentel, w.t_posit);
    return true;
  }();
  (void)entered;
  const std::vector<std::string> parts = fuzz::split(data, size, 4);
  for (const std::string& line : lines_of(parts[0])) check_line(line);
  const Entry_command command = check_command(parts[2]);
  fuzz::write_file(kOther, parts[1]);

  fuzz::World w;
  restore(parts);
  check_transfer(w);
  check_listings(w);
  check_generators(command, parts[3], w);
  restore(parts);
  check_lesson_drill(parts[3], w);
  restore(parts);
  check_maintenance(parts[0], w);
  return 0;
}
