#include "session/lesson_text.h"

#include <string_view>
#include <utility>

#include "base/book.h"
#include "base/screen.h"
#include "base/log_file.h"
#include "base/stop.h"
#include "base/trace.h"
#include "catalogue/lesson_paths.h"
#include "catalogue/trf_string.h"
#include "history/drill_walk.h"
#include "session/lesson_copy.h"
#include "text/accents.h"
#include "text/line_reader.h"

namespace {

// The display gives up after this many lines of the file, counted from its
// top (the lines of sound blocks aside).
constexpr int kMaxTextLines = 10000;

// A paragraph is shown up to this many characters, then kCutMark: the view
// of a very long line costs many times its size.
constexpr std::size_t kParagraphWidth = 4000;
constexpr std::string_view kCutMark = " [...]";
// Characters of a text line read at most: enough for a paragraph even after
// accent sequences of three characters have become one.
constexpr std::size_t kReadWidth = 4 * kParagraphWidth;

bool is_delimiter(const std::string& ss) {
  return !ss.empty() && ss[0] == '#' && ss.find("#######") != std::string::npos;
}

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// The pending paragraph and the run of blank lines that the text view's
// lines build, written to the screen as they are ended.
class Paragraphs {
 public:
  explicit Paragraphs(Screen& screen) : screen_(screen) {}

  // Shows the pending text and a line feed (a lone line feed when there is
  // none), and starts an empty paragraph.
  void end() {
    show(pending_ + "\n");
    pending_.clear();
    cut_ = false;
  }
  // Shows the pending text unless it is empty.
  void finish() {
    if (!pending_.empty()) end();
  }
  void start(std::string_view text) {
    pending_.clear();
    cut_ = false;
    append(text);
  }
  void add(std::string_view words) {
    if (!pending_.empty()) append(" ");
    append(words);
  }
  // An empty line: the first of a run ends the paragraph, each further one
  // shows a line of three spaces.
  void blank() {
    if (blanks_++ == 0) {
      end();
    } else {
      show("   \n");
    }
  }
  void not_blank() { blanks_ = 0; }

 private:
  void show(const std::string& s) {
    screen_.append_text(s);
  }
  // The paragraph is cut, and marked, where it reaches kParagraphWidth;
  // what would follow is dropped.
  void append(std::string_view more) {
    if (cut_) return;
    if (pending_.size() + more.size() <= kParagraphWidth) {
      pending_ += more;
      return;
    }
    pending_ += more.substr(0, kParagraphWidth - pending_.size());
    pending_ += kCutMark;
    cut_ = true;
  }

  Screen& screen_;
  std::string pending_;
  bool cut_ = false;
  int blanks_ = 0;
};

enum class Block_end { closed, file_end, line_limit };

// Walks the text block from offset `nc` (the line after its opening line),
// its lines decoded for display: `on_block(nc)` for each line that opens a
// sound block (it leaves `nc` after the block), `on_line(line)` for every
// other line. `nlines` lines were read before.
template <typename OnLine, typename OnBlock>
Block_end walk_text_block(LineReader& fp, long nc, int nlines, OnLine&& on_line,
                          OnBlock&& on_block) {
  std::string ss;
  while (nlines < kMaxTextLines) {
    if (aln_getline_head(nc, ss, fp, kReadWidth) < 0) return Block_end::file_end;
    ++nlines;
    DECODE1_ACCENTS(ss);
    if (is_delimiter(ss)) return Block_end::closed;
    if (opens_sound_block(ss)) {
      on_block(nc);
    } else {
      on_line(std::move(ss));
    }
  }
  return Block_end::line_limit;
}

// Passes over the lines up to and including the block's opening line.
// False when the file (or the line count) ends first.
bool pass_over_header(LineReader& fp, long& nc, int& nlines) {
  std::string ss;
  while (nlines < kMaxTextLines && aln_getline(nc, ss, fp) >= 0) {
    ++nlines;
    if (is_delimiter(ss)) return true;
  }
  return false;
}

void add_button(const std::string& label, Lesson_text& text, Trf_book& book) {
  const int tag = static_cast<int>(text.buttons.size());
  text.buttons.push_back(label);
  if (WHAT_BUTTON(label, text.labels) != 0) {
    book.screen.add_known_text_button(label, tag);
  } else {
    book.screen.add_text_button(label, tag);
  }
}

// One line of the text block, neither a delimiter nor a sound block.
void show_line(std::string ss, Paragraphs& paragraphs, Lesson_text& text, Trf_book& book) {
  const std::size_t first = ss.find_first_not_of(' ');
  if (first == std::string::npos) {
    paragraphs.blank();
    return;
  }
  const char c = ss[first];
  if (c == '<' || c == '.' || is_digit(c)) paragraphs.end();
  if (c == '.' || c == ',') ss[first] = ' ';
  const std::size_t last = ss.find_last_not_of(' ');
  if (last == std::string::npos) {  // the line was a lone "." or ","
    paragraphs.blank();
    return;
  }
  paragraphs.not_blank();
  int i0 = 0;
  int i1 = 0;
  if (PERHAPS_BUTTON(ss, i0, i1)) {
    paragraphs.end();
    add_button(ss.substr(i0, i1 - i0 + 1), text, book);
    paragraphs.start(ss.substr(i1 + 1, last - i1));
    return;
  }
  const std::size_t from = ss.find_first_not_of(' ');
  paragraphs.add(std::string_view(ss).substr(from, last - from + 1));
}

// The reader of the working copy `cpy`: the shared copy, opened when it is
// closed, or `own` when the shared copy holds another lesson. Null when
// `cpy` cannot be opened.
LineReader* reader_for(const std::string& cpy, Lesson_text& text, LineReader& own, Trf_book& book) {
  if (!text.copy.is_open()) {
    if (cpy.empty() || !text.copy.open(cpy)) return nullptr;
    book.lessons = cpy;
    return &text.copy.fp();
  }
  if (text.copy.path() == cpy) return &text.copy.fp();
  return own.open(cpy) ? &own : nullptr;
}

void show_header(const std::string& lesson, const std::string& cpy, Screen& screen) {
  screen.append_text("KENTEL : " + lesson + "\n");
  screen.append_text(" \n");
  screen.append_text("EILSKRID : " + cpy + "\n");
  screen.append_text(" \n");
}

}  // namespace

void DISPLAY_TEXT(Lesson_text& text, Trf_book& book) {
  if (book.ilesson < 1 || book.ilesson > book.nbt_lesson) return;
  const Trf_string& catalogue = book.G_kentel;
  const std::string cpy = S_CPY_LESSON_FROM_NUM(book.ilesson, catalogue).value_or("");
  cback_clr_butt(text, book);
  text.labels = Label_table{" ", {0}, cpy};

  LineReader own;
  LineReader* fp = reader_for(cpy, text, own, book);
  if (fp == nullptr) {
    say("CHECK_CORR_DBASE cannot open file=%s \n", cpy.c_str());
    book.fp_log.write("CHECK_CORR_DBASE cannot open file=%s \n", cpy.c_str());
    return;
  }
  const std::string lesson = S_LESSON_FROM_NUM(book.ilesson, catalogue).value_or("");
  book.path_of_lesson = PATH_FROM_STRING_FILE(lesson).value_or("");
  show_header(lesson, cpy, book.screen);

  long nc = 0;
  int nlines = 0;
  if (!pass_over_header(*fp, nc, nlines)) {
    trace("DISPLAY_TEXT no ####### return \n");
    return;
  }
  // First the sound blocks, so that every button is known when it is shown.
  walk_text_block(
      *fp, nc, nlines, [](std::string) {},
      [&](long& block_nc) { EXTRACT_LABEL_BUTTONS(block_nc, *fp, text.labels, book); });

  Paragraphs paragraphs(book.screen);
  const Block_end end = walk_text_block(
      *fp, nc, nlines, [&](std::string ss) { show_line(std::move(ss), paragraphs, text, book); },
      [&](long& block_nc) {
        paragraphs.not_blank();
        paragraphs.end();
        skip_sound_block(block_nc, *fp);
      });
  if (end == Block_end::closed) {
    paragraphs.end();
    return;
  }
  if (end == Block_end::file_end) trace("DISPLAY_TEXT no second ####### return \n");
  paragraphs.finish();
}

void cback_redr_butt(Lesson_text& text, Trf_book& book) {
  DISPLAY_TEXT(text, book);
}

void cback_clr_butt(Lesson_text& text, Trf_book& book) {
  text.buttons.clear();
  book.screen.clear_text();
}
