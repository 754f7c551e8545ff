#include "commands/entry_command.h"

#include <algorithm>

#include "text/accents.h"

namespace {

constexpr std::string_view kSound = "!sound";

std::size_t skip_blanks(std::string_view ss, std::size_t i) {
  while (i < ss.size() && ss[i] == ' ') ++i;
  return i;
}

// The text has no character at `i`, or a blank there.
bool ends_at(std::string_view ss, std::size_t i) {
  return i >= ss.size() || ss[i] == ' ';
}

// The text begins with `word` and the word ends there.
bool word_alone(std::string_view ss, std::string_view word) {
  return ss.starts_with(word) && ends_at(ss, word.size());
}

// The text begins with `word`, and the word ends there or goes on with "q"
// or "r" (a direction glued to it).
bool word_or_direction(std::string_view ss, std::string_view word) {
  if (!ss.starts_with(word)) return false;
  const std::size_t i = word.size();
  return ends_at(ss, i) || ss[i] == 'q' || ss[i] == 'r';
}

// 1 for "qr", 2 for "rq", else 0; only the first two characters count.
int direction_of(std::string_view word) {
  if (word.starts_with("qr")) return 1;
  if (word.starts_with("rq")) return 2;
  return 0;
}

// The direction argument: the first word from `i` on, after its blanks.
int direction_argument(std::string_view ss, std::size_t i) {
  const std::size_t first = skip_blanks(ss, i);
  return first < ss.size() ? direction_of(ss.substr(first)) : 0;
}

// The tag argument from index `i`: a direction glued to the command word
// (exactly two characters), then the tag, which runs to the end of the text.
std::string tag_argument(std::string_view ss, std::size_t i, int& sens_qr) {
  if (i >= ss.size()) return {};
  std::size_t j = i;
  if (ss[i] != ' ') {
    j = ss.find(' ', i + 1);
    if (j == std::string_view::npos) j = ss.size();
    if (j - i == 2) sens_qr = direction_of(ss.substr(i, 2));
  }
  j = skip_blanks(ss, j);
  if (j >= ss.size()) return {};
  std::string tag(ss.substr(j));
  RM_ACCENTS(tag);
  for (char& c : tag) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return " " + tag + " ";
}

// The blank-separated words from index `i` to the end.
std::vector<std::string> words_from(std::string_view ss, std::size_t i) {
  std::vector<std::string> words;
  for (i = skip_blanks(ss, i); i < ss.size(); i = skip_blanks(ss, i)) {
    std::size_t end = ss.find(' ', i);
    if (end == std::string_view::npos) end = ss.size();
    words.emplace_back(ss.substr(i, end - i));
    i = end;
  }
  return words;
}

// "!worst", "!worsto", "!worsty", "!worstn": the code, 0 when `ss` is none
// of them.
int worst_code(std::string_view ss) {
  constexpr std::string_view kWorst = "!worst";
  if (!ss.starts_with(kWorst)) return 0;
  const std::size_t i = kWorst.size();
  if (ends_at(ss, i)) return 1;
  if (!ends_at(ss, i + 1)) return 0;
  switch (ss[i]) {
    case 'o':
      return 2;
    case 'y':
      return 3;
    case 'n':
      return 4;
    default:
      return 0;
  }
}

Entry_command command(Entry_action action) {
  Entry_command c;
  c.action = action;
  return c;
}

}  // namespace

Sound_request sound_command(std::string_view ss) {
  if (!ss.starts_with(kSound)) return Sound_request::none;
  std::size_t i = kSound.size();
  if (i < ss.size() && ss[i] == ' ') i = skip_blanks(ss, i);
  const std::string_view rest = ss.substr(i);
  if (rest.starts_with("on")) return Sound_request::on;
  if (rest.starts_with("off")) return Sound_request::off;
  return Sound_request::toggle;
}

Entry_command parse_entry_command(std::string_view ss) {
  Entry_command c;
  if (word_alone(ss, "!new")) {
    c = command(Entry_action::new_words);
    c.sens_qr = direction_argument(ss, 4);
  } else if (word_or_direction(ss, "!ntag")) {
    c = command(Entry_action::new_tag);
    c.ss_tag = tag_argument(ss, 5, c.sens_qr);
  } else if (word_alone(ss, "!bal")) {
    c = command(Entry_action::balance);
    c.sens_qr = direction_argument(ss, 4);
  } else if (const int code = worst_code(ss); code > 0) {
    c = command(Entry_action::worst_words);
    c.code_worst = code;
    c.sens_qr = direction_argument(ss, code == 1 ? 6 : 7);
  } else if (word_alone(ss, "!lessv")) {
    c = command(Entry_action::worst_words);
    c.code_worst = 5;
    c.sens_qr = direction_argument(ss, 6);
  } else if (word_alone(ss, "!ltag")) {
    c = command(Entry_action::tag_census);
  } else if (word_alone(ss, "!dico")) {
    c = command(Entry_action::dictionary);
  } else if (word_alone(ss, "!stats")) {
    c = command(Entry_action::statistics);
  } else if (word_alone(ss, "!help") || word_alone(ss, "help")) {
    c = command(Entry_action::help);
  } else if (word_alone(ss, "!ccdb")) {
    c = command(Entry_action::check_base);
    c.words = words_from(ss, 5);
  } else if (word_alone(ss, "!trf")) {
    c = command(Entry_action::transfer_base);
  } else if (word_or_direction(ss, "!tag")) {
    c = command(Entry_action::worst_tag);
    c.ss_tag = tag_argument(ss, 4, c.sens_qr);
  } else if (ss.starts_with("!synchro ")) {
    c = command(Entry_action::synchro_base);
    c.words = words_from(ss, 8);
    c.words.resize(std::min<std::size_t>(c.words.size(), 1));
  }
  return c;
}
