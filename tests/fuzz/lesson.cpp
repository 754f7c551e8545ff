// The lesson file as its author writes it (alias line, text block, entries
// with their sides and sound cues, references), as lesson 1 of a fresh
// catalogue, from the start-up to a drill. Checked:
//  - the line reader cuts it as an independent split does, with a small
//    window as with the default one, and reads again at any offset alike;
//  - accent decoding keeps its length and shape promises;
//  - the start-up stops cleanly or leaves complete files, never a
//    temporary one; its working copy has only CR LF and CR CR LF line ends
//    and the lines of the lesson file;
//  - the lesson reader's items lead back to their lines of the copy;
//  - the history reads back without fault, rebuilding it again changes
//    nothing, and each of its records and reference lines becomes an
//    element of the drill or is reported unfollowed;
//  - a drill (announcement, lesson text, questions, verdicts, the text's
//    buttons clicked) keeps the pane within its lines, one line each, and
//    every text button is a label found in its line of the copy.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/aliases.h"
#include "catalogue/lesson_reader.h"
#include "fuzz_fixture.h"
#include "history/history_format.h"
#include "history/index_build.h"
#include "history/lesson_load.h"
#include "session/drill_press.h"
#include "session/label_table.h"
#include "session/sound_buttons.h"
#include "text/accents.h"
#include "text/encoding.h"
#include "text/line_reader.h"

namespace {

using fuzz::check;

const char* const kCopy = "./CPY/l1.txt";

// The lines as the line reader must cut them: a line ends at LF, or at a
// run of CRs together with at most one LF after it.
std::vector<std::string> raw_lines(std::string_view b) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < b.size();) {
    const std::size_t end = std::min(b.find_first_of("\r\n", i), b.size());
    lines.emplace_back(b.substr(i, end - i));
    i = end;
    while (i < b.size() && b[i] == '\r') ++i;
    if (i < b.size() && b[i] == '\n') ++i;
  }
  return lines;
}

// Lines the copy gains over the source: a run of r CRs ends (r + 1) / 2 lines.
std::size_t extra_lines(std::string_view b) {
  std::size_t extra = 0;
  for (std::size_t i = 0, r = 0; i <= b.size(); ++i) {
    if (i < b.size() && b[i] == '\r') {
      ++r;
    } else if (r > 0) {
      extra += (r + 1) / 2 - 1;
      r = 0;
    }
  }
  return extra;
}

struct Line {
  long start;
  std::string text;
  long next;
};

std::vector<Line> read_all(LineReader& reader, long size) {
  std::vector<Line> lines;
  std::string ss;
  for (long nc = 0;;) {
    const long start = nc;
    const long n = aln_getline(nc, ss, reader);
    if (n == -2) {
      check(nc == start && ss.empty() && nc == size);
      return lines;
    }
    check(n == static_cast<long>(ss.size()) && nc > start && nc <= size);
    check(ss.find_first_of(std::string_view("\r\n\t\0", 4)) == std::string::npos);
    lines.push_back({start, ss, nc});
  }
}

// Plain ASCII lines are read with tabs widened and NULs dropped, nothing else.
std::string shaped(const std::string& raw) {
  std::string out;
  for (char c : raw) {
    if (static_cast<unsigned char>(c) >= 0x80) return {};
    if (c != '\0') out += c == '\t' ? std::string(8, ' ') : std::string(1, c);
  }
  return out;
}

std::vector<Line> check_line_reader(const std::string& bytes, std::size_t window) {
  LineReader small("l1.txt", window);
  LineReader large("l1.txt");
  const long size = static_cast<long>(bytes.size());
  const std::vector<Line> lines = read_all(small, size);
  const std::vector<Line> same = read_all(large, size);
  const std::vector<std::string> raw = raw_lines(bytes);
  check(lines.size() == raw.size() && same.size() == raw.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    check(lines[i].text == same[i].text && lines[i].next == same[i].next);
    if (i + 1 < lines.size()) check(lines[i].next == lines[i + 1].start);
    const std::string plain = shaped(raw[i]);
    if (!plain.empty()) check(lines[i].text == plain);
  }
  std::string ss;
  for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
    long nc = it->start;
    check(aln_getline(nc, ss, small) == static_cast<long>(it->text.size()));
    check(ss == it->text && nc == it->next);
  }
  return lines;
}

void check_accents(const std::string& input) {
  const auto tabs = static_cast<std::size_t>(std::count(input.begin(), input.end(), '\t'));
  std::string plain = input, french = input, bare = input;
  DECODE_ACCENTS(plain);
  check(plain.size() <= input.size() + 7 * tabs);
  // French spacing only turns spaces into no-break spaces.
  DECODE1_ACCENTS(french);
  std::replace(plain.begin(), plain.end(), '\xa0', ' ');
  std::replace(french.begin(), french.end(), '\xa0', ' ');
  check(french == plain);
  RM_ACCENTS(bare);
  check(bare.find_first_of("\xe6\xc6") == std::string::npos);
}

// Only the files of the two lessons, whole, in the copy and history
// directories.
void check_no_temporaries() {
  for (const std::string& name : fuzz::files_in("CPY")) check(name == "l1.txt" || name == "l2.txt");
  for (const std::string& name : fuzz::files_in("IDX1"))
    check(name == "idx1_l1.txt" || name == "idx1_l2.txt");
}

void check_copy(const std::string& source, const std::vector<Line>& from_source) {
  const std::string copy = fuzz::read_file(kCopy);
  for (std::size_t i = 0; i < copy.size(); ++i) {
    if (copy[i] == '\n') check(i > 0 && copy[i - 1] == '\r');
    if (copy[i] != '\r') continue;
    check(copy.compare(i, 2, "\r\n") == 0 || copy.compare(i, 3, "\r\r\n") == 0);
    if (copy.compare(i, 3, "\r\r\n") == 0) ++i;
  }
  LineReader fp(kCopy, 7);
  const std::vector<Line> lines = read_all(fp, static_cast<long>(copy.size()));
  const std::vector<std::string> raw = raw_lines(copy);
  check(lines.size() == raw.size() && lines.size() == from_source.size() + extra_lines(source));
  if (extra_lines(source) > 0) return;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    // A converted line may happen to look like UTF-8 again.
    const Utf8Marks marks = judge_utf8_marks(raw[i]);
    if (!(marks.utf && !marks.iso)) check(lines[i].text == from_source[i].text);
  }
}

bool is_alias_char(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_';
}

void check_lesson_reader() {
  LineReader fp(kCopy);
  const auto size = static_cast<long>(fuzz::read_file(kCopy).size());
  LessonReader reader(fp);
  std::string line;
  for (long previous = -1; const auto item = reader.next(); previous = item->position) {
    check(item->position > previous && item->position < size);
    check(item->line.size() <= kIndexLineWidth);
    long nc = item->position;
    check(aln_getline(nc, line, fp) >= 0 && line.substr(0, kIndexLineWidth) == item->line);
    check(item->name.find("  ") == std::string::npos);
    if (item->kind == LessonItemKind::reference) check(item->name.empty());
  }
  check(reader.stop_offset() >= 0 && reader.stop_offset() <= size);
  const std::string alias = EXTRACT_SHABANG(fp).value_or("");
  check(std::all_of(alias.begin(), alias.end(), is_alias_char));
}

void check_rebuild(LogFile& log) {
  check(UPDATE_IDX1_FILE(log, kCopy, fuzz::kHistory1) == 0);
  const std::string again = fuzz::read_file(fuzz::kHistory1);
  check(UPDATE_IDX1_FILE(log, kCopy, fuzz::kHistory1) == 0);
  check(fuzz::read_file(fuzz::kHistory1) == again);
  check_no_temporaries();
}

// Every record's key line has a position after its alias, so that the
// drill finds each entry it draws.
void check_load(fuzz::World& w) {
  const auto unfollowed = INIT_LESSON(1, w.book, fuzz::kToday);
  fuzz::check_table(w.t_posit);
  std::istringstream history(fuzz::read_file(fuzz::kHistory1));
  std::size_t records = 0, references = 0;
  bool marked = false, drillable = true;
  for (std::string line; std::getline(history, line);) {
    if (marked && is_reference_line(line)) ++references;
    if (marked && is_key_line(line)) ++records;
    const auto key = parse_key_line(line);
    drillable = drillable && !(marked && is_key_line(line) && key && !key->position &&
                               line.find("END_OF_FILE") == std::string::npos);
    marked = marked || is_marker_line(line);
  }
  check(records > 0);  // the end line
  check(w.t_posit.nb_posit + unfollowed.size() == records - 1 + references);
  check(drillable);
}

void check_text_view(fuzz::World& w) {
  const Lesson_text& text = w.session.text;
  check(w.screen.text_buttons.size() == text.buttons.size());
  for (std::size_t tag = 0; tag < text.buttons.size(); ++tag) {
    const std::string& label = text.buttons[tag];
    check(w.screen.text_buttons[tag].label == label && w.screen.text_buttons[tag].tag == int(tag));
    int i0 = 0, i1 = 0;
    check(PERHAPS_BUTTON(label, i0, i1) == 1 && i0 == 0 && i1 + 1 == int(label.size()));
  }
  const Label_table& labels = text.labels;
  check(labels.nc_label[0] + 1 == long(labels.nc_label.size()));
  LineReader fp(kCopy);
  std::string line;
  for (std::size_t k = 1, at = 1; k < labels.nc_label.size(); ++k) {
    const std::size_t end = labels.s_label.find(' ', at);
    const std::string label = labels.s_label.substr(at, end - at);
    at = end + 1;
    long nc = labels.nc_label[k];
    check(aln_getline(nc, line, fp) >= 0 && label_of_line(line) == label);
    check(WHAT_BUTTON(label, labels) == int(k));
  }
  for (std::size_t tag = 0; tag < text.buttons.size(); ++tag) {
    cback_button(static_cast<int>(tag), w.session.text, w.book);
  }
}

// The drill button as a user presses it: the announcement, the lesson text
// and the drill confirmation, then questions, answers and verdicts.
void drill(fuzz::World& w) {
  static constexpr int kPresses[] = {1, 1, 1, 1, 3, 1, 1, 2, 3, 2, 1, 1, 3, 3, 1, 2, 2, 1, 1};
  w.book.ilesson = 1;
  for (std::size_t i = 0; i < std::size(kPresses); ++i) {
    drill_press(kPresses[i], w.session, w.book);
    fuzz::check_pane(w.screen, w.book.nb_line);
    if (i == 1) check_text_view(w);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::enter("pimlo_fuzz_lesson");
  const std::string lesson(reinterpret_cast<const char*>(data), size);
  for (const char* dir : {"CPY", "IDX1"}) {
    fuzz::fs::remove_all(dir);
    fuzz::fs::create_directory(dir);
  }
  fuzz::write_file("l1.txt", lesson);
  const std::vector<Line> lines = check_line_reader(lesson, 1 + size % 32);
  check_accents(lesson);

  fuzz::World w;
  const bool stopped =
      fuzz::stops([&] { CALC_INDEX(w.program.log, w.program.G_kentel, w.t_posit); });
  check_no_temporaries();
  if (stopped) return 0;
  check_copy(lesson, lines);
  check_lesson_reader();
  check_rebuild(w.program.log);
  check_load(w);
  drill(w);
  return 0;
}
