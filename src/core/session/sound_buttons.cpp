#include "session/sound_buttons.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "base/book.h"
#include "base/log_file.h"
#include "base/stop.h"
#include "base/trace.h"
#include "history/drill_walk.h"
#include "session/lesson_copy.h"
#include "session/lesson_text.h"
#include "session/sound_search.h"
#include "base/player.h"
#include "text/line_reader.h"
#include "text/number_fields.h"

namespace {

constexpr int kMaxPartLines = 10000;

// Says `message` (a format with one %s) on standard output and in the log.
void report(Trf_book& book, const char* message, const std::string& what) {
  say(message, what.c_str());
  book.fp_log.write(message, what.c_str());
}

// Plays the part that `line` names from index `from`: after the spaces, a
// sound file name up to the next space, then a start and a stop.
void play_part(std::string_view line, std::size_t from, Lesson_text& text, Trf_book& book) {
  from = std::min(line.find_first_not_of(' ', from), line.size());
  const std::size_t end = std::min(line.find(' ', from), line.size());
  const std::string s_file(line.substr(from, end - from));
  std::vector<long> range;
  EXTR_N_LINT(2, line.substr(end), range);
  if (range[0] != 2) return;
  const std::optional<std::string> path = SEARCH_SND_FILE_NAME(s_file, text.sounds, book);
  if (!path) {
    report(book, "cback_button snd_file=%s not found \n", s_file);
    return;
  }
  book.player.play_range(*path, range[1], range[2]);
}

// The reader of the copy the label table belongs to: the shared one when it
// holds it, else `own`. Null when it cannot be had.
LineReader* reader_for(Lesson_text& text, LineReader& own) {
  if (text.copy.path() == text.labels.path) return &text.copy.fp();
  return own.open(text.labels.path) ? &own : nullptr;
}

}  // namespace

void cback_button(int tag, Lesson_text& text, Trf_book& book) {
  if (tag < 0 || tag >= static_cast<int>(text.buttons.size())) {
    trace("cback_button unknown tag %d \n", tag);
    return;
  }
  const std::string label = text.buttons[tag];  // the list may change meanwhile
  cback_button(label, text, book);
}

void cback_button(const std::string& label, Lesson_text& text, Trf_book& book) {
  trace("New button %s has been clicked ! \n", label.c_str());
  const int k = WHAT_BUTTON(label, text.labels);
  if (k == 0) return;
  if (!text.copy.is_open()) {
    say("cback_button error fp == NULL \n");
    book.fp_log.write("cback_button error fp == NULL \n");
    return;
  }
  LineReader own;
  LineReader* fp = reader_for(text, own);
  long nc = text.labels.nc_label[k];
  std::string ss;
  const std::size_t at = fp && aln_getline(nc, ss, *fp) >= 0 ? ss.find(label) : std::string::npos;
  if (at == std::string::npos) {
    report(book, "cback_button not found button %s \n", label);
    return;
  }
  play_part(ss, at + label.size(), text, book);

  for (int n = 0; n < kMaxPartLines; ++n) {
    if (aln_getline(nc, ss, *fp) < 0) {
      say("cback_button no <)end) return \n");
      book.fp_log.write("cback_button no <)end) return \n");
      return;
    }
    if (closes_sound_block(ss)) return;
    int i0 = 0;
    int i1 = 0;
    if (PERHAPS_BUTTON(ss, i0, i1)) {
      if (std::string_view(ss).substr(i0, i1 - i0 + 1) != label) return;
      play_part(ss, i1 + 1, text, book);
    } else {
      play_part(ss, 0, text, book);
    }
  }
}
