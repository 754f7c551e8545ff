#include "session/entry_side.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/book.h"
#include "base/log_file.h"
#include "base/stop.h"
#include "session/display_line.h"
#include "session/pane_text.h"
#include "session/session.h"
#include "session/sound_search.h"
#include "base/player.h"
#include "text/line_reader.h"
#include "text/number_fields.h"

namespace {

// The drill shows no more of a line than this many characters.
constexpr std::size_t kShownWidth = 100;

std::size_t first_non_blank(std::string_view ss) {
  const std::size_t i = ss.find_first_not_of(' ');
  return i == std::string_view::npos ? ss.size() : i;
}

char first_char(std::string_view ss) {
  const std::size_t i = first_non_blank(ss);
  return i < ss.size() ? ss[i] : '\0';
}

bool contains(std::string_view ss, std::string_view what) {
  return ss.find(what) != std::string_view::npos;
}

// The count token of an entry line: the number right after the first "Q"
// that follows the line's first "*"; 1 when there is none.
int count_token(std::string_view ss) {
  const std::size_t star = ss.find('*');
  if (star == std::string_view::npos) return 1;
  const std::size_t q = ss.find('Q', star + 1);
  if (q == std::string_view::npos || q + 1 >= ss.size() ||
      !std::isdigit(static_cast<unsigned char>(ss[q + 1]))) {
    return 1;
  }
  return static_cast<int>(std::strtol(std::string(ss.substr(q + 1)).c_str(), nullptr, 10));
}

// One side being shown: the reader walks the entry, `show` writes lines.
class Side {
 public:
  Side(Session& session, Trf_book& book)
      : session_(session), book_(book), fp_(session.copy.fp()), nc_(session.drill.address) {}

  // The next line of the entry, cut at kShownWidth characters; false at the
  // end of the file or on a line that holds "END_OF_FILE".
  bool next(std::string& ss) {
    return aln_getline_head(nc_, ss, fp_, kShownWidth) >= 0 && !contains(ss, "END_OF_FILE");
  }

  void show(std::string text) { DISPLAY_LINE(text, book_.nb_line, lblanc_, book_); }
  void fresh_blank_counter() { lblanc_ = 0; }
  bool last_was_blank() const { return lblanc_ != 0; }

  // Acts on a sound cue line; returns false when `ss` is no cue line, else
  // sets `played` to whether the (last) sound of the cue was played.
  bool act_on_cue(const std::string& ss, bool& played) {
    const bool range_cue = ss.rfind("<))", 0) == 0 || ss.rfind('?', 0) == 0;
    const bool whole_cue = ss.rfind("<()", 0) == 0 || ss.rfind('?', 0) == 0;
    if (range_cue) played = play_range_cue(ss);
    if (whole_cue) played = play_whole_cue(ss);
    return range_cue || whole_cue;
  }

 private:
  // The cue's file name: after its first character, `skipped` characters
  // are passed over, and the name runs to the next blank; `after` is the
  // index that follows it.
  static std::string cue_name(const std::string& ss, std::string_view skipped, std::size_t& after) {
    std::size_t i = 1;
    while (i < ss.size() && skipped.find(ss[i]) != std::string_view::npos) ++i;
    after = std::min(ss.find(' ', i), ss.size());
    return ss.substr(i, after - i);
  }

  std::optional<std::string> look_up(const std::string& name) {
    show(name);
    std::optional<std::string> path = SEARCH_SND_FILE_NAME(name, session_.sounds, book_);
    if (!path) {
      say_and_log(book_, "DISPLAY_QR snd_file=%s not found \n", name.c_str());
      if (session_.drill.missing_sounds.insert(name).second) {
        show(formatted(
            "Sound file %s not found beside the lesson, in ./, ./SOUND/ or the lesson's SOUND/",
            name.c_str()));
      }
    }
    return path;
  }

  bool play_range_cue(const std::string& ss) {
    std::size_t after = 0;
    const std::string name = cue_name(ss, "< )", after);
    std::vector<long> range;
    EXTR_N_LINT(2, std::string_view(ss).substr(after), range);
    if (range[0] < 2) {
      say("DISPLAY_QR error detect 2 long int ? ss=%s \n", ss.c_str());
      return false;
    }
    const std::optional<std::string> path = look_up(name);
    if (!path) return false;
    // Without a device nothing was heard: the question must then be shown.
    return book_.player.play_range(*path, range[1], range[2]);
  }

  bool play_whole_cue(const std::string& ss) {
    std::size_t after = 0;
    const std::string name = cue_name(ss, "< ()", after);
    const std::optional<std::string> path = look_up(name);
    if (!path) return false;
    return book_.player.play_range(*path, 0, 0);
  }

  Session& session_;
  Trf_book& book_;
  LineReader& fp_;
  long nc_;
  int lblanc_ = 0;
};

// The entry line did not start an entry: the fifth line from there (or the
// last one there is) is shown, as the old readers did.
void show_stray_line(Side& side, std::string ss) {
  std::string line;
  for (int k = 2; k <= 5 && side.next(line); ++k) ss = line;
  side.show(ss);
}

// Shows the side from the marker line `ss` (`at` = index of the marker) to
// the end of the side.
void show_side_text(Side& side, const std::string& ss, std::size_t at, bool heard_only) {
  side.fresh_blank_counter();
  side.show(ss.substr(at + 2));
  std::string line;
  while (side.next(line)) {
    const std::size_t i = first_non_blank(line);
    const char c = i < line.size() ? line[i] : '\0';
    if (c == '!') continue;
    if (c == '#') break;
    const std::string_view from = std::string_view(line).substr(i);
    if (from.rfind("Q>", 0) == 0 || from.rfind("R>", 0) == 0) {
      if (!heard_only) break;
      side.show("");
      side.show(std::string(from.substr(2)));
      continue;
    }
    if (i == line.size() && side.last_was_blank()) continue;
    side.show(line);
  }
  if (!side.last_was_blank()) side.show("");
}

}  // namespace

void DISPLAY_QR(int istate, Session& session, Trf_book& book) {
  Drill_State& d = session.drill;
  Side side(session, book);
  std::string ss;
  side.next(ss);
  if (first_char(ss) != '#') {
    book.fp_log.write("DISPLAY_QR error 2 lecture \n");
    show_stray_line(side, ss);
    return;
  }
  const int nb_q = count_token(ss);

  const bool interro = book.interro_sound == 1;
  std::string_view marker = "Q>";
  if (book.state == kQuestionShown) {
    if (interro) d.wq = 0;
  } else if (!interro || d.wq == 1) {
    marker = "R>";
  }
  if (book.sens_qrm == 2) marker = book.state == kQuestionShown ? "R>" : "Q>";

  bool played = false;
  const bool cues = istate == 1 && book.sound == 1;
  for (;;) {
    if (!side.next(ss) || first_char(ss) == '#') {
      say_and_log(book, "DISPLAY_QR error 3 lecture \n");
      if (book.state == kQuestionShown) d.wq = 1;
      return;
    }
    if (first_char(ss) == '!') continue;
    if (contains(ss, marker)) break;
    if (cues) side.act_on_cue(ss, played);
  }

  if (book.state == kQuestionShown && interro) {
    if (played) {
      if (nb_q > 1) side.show(formatted("(%d)", nb_q));
      return;
    }
    d.wq = 1;
  }
  show_side_text(side, ss, ss.find(marker), interro && d.wq == 0);
}
