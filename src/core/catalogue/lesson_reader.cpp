#include "catalogue/lesson_reader.h"

#include "catalogue/lesson_lines.h"
#include "text/number_fields.h"

namespace {

std::string cut_for_index(const std::string& line) {
  return line.substr(0, kIndexLineWidth);
}

// The line ends the body of an entry: the question of a nameless entry is not
// looked for beyond it.
bool ends_entry_body(const std::string& line) {
  const std::string cut = cut_for_index(line);
  return is_end_line(line) || is_text_block_delimiter(cut) || is_entry_or_reference_line(cut);
}

// Name part of a nameless entry's key from its question text: up to the
// first "," or ";", at most 25 characters, then a space; runs of spaces single.
// A "*" ends the name too: in the key line it would end the name early and
// make the question's next word the alias, which names no lesson (or the
// wrong one) when the entry is drilled.
std::string name_from_question(const std::string& text) {
  std::string name = text.substr(0, text.find_first_of(",;*"));
  if (name.size() > kNamelessNameWidth) name.resize(kNamelessNameWidth);
  name += ' ';
  RM_EXTRA_BLANCS(name);
  return name;
}

}  // namespace

bool LessonReader::read_line(long& start) {
  start = nc_;
  return aln_getline(nc_, line_, fp_) >= 0;
}

void LessonReader::unread_line(long start) {
  nc_ = start;
}

void LessonReader::skip_text_block() {
  long start = 0;
  while (read_line(start)) {
    if (is_text_block_delimiter(line_) || is_end_line(line_)) return;
  }
}

// Reads on to the entry's question line and leaves the walk after it. A body
// without question (the next entry, the text block or the end line comes
// first) gives the name " " and leaves the walk on the line that ended it, so
// that no following entry is lost.
std::string LessonReader::nameless_name() {
  long start = 0;
  while (read_line(start)) {
    if (ends_entry_body(line_)) {
      unread_line(start);
      break;
    }
    const std::size_t marker = line_.find("Q>");
    if (marker == std::string::npos) continue;
    const std::size_t text = line_.find_first_not_of(' ', marker + 2);
    if (text != std::string::npos) return name_from_question(line_.substr(text));
    // "Q>" alone: the question is written on the next line.
    long peek = nc_;
    std::string next_line;
    if (aln_getline(peek, next_line, fp_) >= 0 && !ends_entry_body(next_line)) {
      return name_from_question(next_line);
    }
    break;
  }
  return name_from_question("");
}

std::optional<LessonItem> LessonReader::next() {
  long start = 0;
  while (!done_ && read_line(start)) {
    if (is_end_line(line_)) {
      unread_line(start);
      done_ = true;
      break;
    }
    const std::string cut = cut_for_index(line_);
    if (is_text_block_delimiter(cut)) {
      skip_text_block();
      continue;
    }
    const std::size_t hash = first_non_blank(cut);
    if (hash == std::string::npos || cut[hash] != '#') continue;

    LessonItem item;
    item.position = start;
    item.line = cut;
    const std::size_t name = cut.find_first_not_of(' ', hash + 1);
    if (name == std::string::npos) {
      item.kind = LessonItemKind::nameless_entry;
      item.has_star = true;
      item.name = nameless_name();
    } else if (cut[name] == '#') {
      item.kind = LessonItemKind::reference;
    } else {
      const std::size_t star = cut.find('*', name);
      item.has_star = star != std::string::npos;
      item.name = cut.substr(name, item.has_star ? star - name : std::string::npos);
      RM_EXTRA_BLANCS(item.name);
      if (item.has_star) item.tail = cut.substr(star + 1);
    }
    return item;
  }
  done_ = true;
  return std::nullopt;
}
