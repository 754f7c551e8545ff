#include "commands/tag_tally.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "base/stop.h"
#include "base/trace.h"
#include "drill/day_number.h"
#include "drill/rank_sort.h"
#include "history/history_reader.h"
#include "text/accents.h"

namespace {

// The word of the empty tag, which the tally holds as "*   *".
constexpr std::string_view kEmptyTagWord = " ";

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

std::size_t skip_spaces(std::string_view text, std::size_t pos) {
  while (pos < text.size() && text[pos] == ' ') ++pos;
  return pos;
}

std::size_t word_end(std::string_view text, std::size_t pos) {
  while (pos < text.size() && text[pos] != ' ') ++pos;
  return pos;
}

// "Q" or "R" followed by a digit, at `pos`.
bool is_count_token(std::string_view text, std::size_t pos) {
  return pos + 1 < text.size() && (text[pos] == 'Q' || text[pos] == 'R') && is_digit(text[pos + 1]);
}

// The tail of a key line: its text after the second "*"; nothing when the
// line holds fewer than two.
std::optional<std::string_view> tail_of(std::string_view key_line) {
  const std::size_t first = key_line.find('*');
  if (first == std::string_view::npos) return std::nullopt;
  const std::size_t second = key_line.find('*', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  return key_line.substr(second + 1);
}

// Where the tags of the tail `tail` begin: after its leading spaces and its
// count tokens and the spaces after them.
std::size_t first_tag_position(std::string_view tail) {
  std::size_t pos = skip_spaces(tail, 0);
  for (int token = 0; token < 2 && is_count_token(tail, pos); ++token) {
    pos = skip_spaces(tail, word_end(tail, pos));
  }
  return pos;
}

// Reads the statistics line of one sense after a key line; whether the
// entry has been answered in that sense. Fatal when the record is cut off
// by the end of the file or the end line.
bool read_asked(Tag_classmt& classmt, History_reader& reader, long today) {
  LogFile& fp_log = classmt.fp_log;
  std::array<long, 5> v{};
  const Written_stats read = reader.next_written_stats(today, v);
  bool fault = read == Written_stats::faulty;
  if (read == Written_stats::not_written) {
    if (!reader.next_line()) {
      fp_log.write("TAGS_EXTRACT error 1 \n");
      fp_log.write("n file : %s \n", classmt.class_path.c_str());
      fail(kExitBadInput, "TAGS_EXTRACT error 1 \n");
    }
    fault = CHECK_EXTRACT_4LINT(today, reader.line(), v) != 0;
  }
  if (fault) {
    fp_log.write("TAGS_EXTRACT and CHECK_4LINTsome error in file : fp_class \n");
    say("TAGS_EXTRACT and CHECK_4LINTsome error in file : fp_class \n");
  }
  return v[1] >= 1 || v[2] >= 1;
}

// The number of the tag written `word` in a key line, a new tag taking the
// next one. The tally knows a tag by its word with the stars made blanks
// (`starred`: the tail holding the word has a star).
int tag_number(Tag_classmt& classmt, std::string_view word, bool starred) {
  std::string starless;
  if (starred && word.find('*') != std::string_view::npos) {
    starless.assign(word);
    std::replace(starless.begin(), starless.end(), '*', ' ');
    word = starless;
  }
  if (const int known = classmt.index_of.find(word); known != 0) return known;
  const int k = classmt.index_of.add(word);
  classmt.nb = k;
  classmt.value.push_back(0);
  classmt.nk_QR.push_back(0);
  classmt.nk_RQ.push_back(0);
  std::string tag = "* ";
  tag.append(word);
  tag.append(" *");
  classmt.ss_words.push_back(std::move(tag));
  classmt.order.push_back(k);
  return k;
}

// The numbers of the tags of a key line's tail into `tags`; the empty tag's
// when it has none.
void number_tags(Tag_classmt& classmt, std::string_view tail, std::vector<int>& tags) {
  tags.clear();
  const bool starred = tail.find('*') != std::string_view::npos;
  for (std::size_t pos = first_tag_position(tail); pos < tail.size();) {
    const std::size_t end = word_end(tail, pos);
    tags.push_back(tag_number(classmt, tail.substr(pos, end - pos), starred));
    pos = skip_spaces(tail, end);
  }
  if (tags.empty()) tags.push_back(tag_number(classmt, kEmptyTagWord, false));
}

// Counts the tags of the record whose key line `reader` has just read. They
// are numbered while the key line stands in the reader, before the
// statistics lines move it on; `tags` is a buffer kept from record to
// record.
void count_record(Tag_classmt& classmt, History_reader& reader, std::vector<int>& tags,
                  long today) {
  const std::optional<std::string_view> tail = tail_of(reader.line());
  std::string key_line;
  if (tail) {
    number_tags(classmt, *tail, tags);
  } else {
    key_line.assign(reader.line());
  }
  const bool asked_qr = read_asked(classmt, reader, today);
  const bool asked_rq = read_asked(classmt, reader, today);
  if (!tail) {
    LogFile& fp_log = classmt.fp_log;
    fp_log.write("Error no detection of #     *  stop \n");
    fp_log.write("ssd=%s@@@ \n", key_line.c_str());
    fp_log.write("n file : %s \n", classmt.class_path.c_str());
    fail(kExitBadInput, "TAGS_EXTRACT error 1 stop 1 \n");
  }
  for (const int k : tags) {
    ++classmt.value[k];
    if (asked_qr) ++classmt.nk_QR[k];
    if (asked_rq) ++classmt.nk_RQ[k];
  }
}

}  // namespace

void TAGS_EXTRACT(Tag_classmt& classmt) {
  TAGS_EXTRACT(classmt, DIFF_JOUR());
}

void TAGS_EXTRACT(Tag_classmt& classmt, long today) {
  trace("TAGS_EXTRACT file=%s today=%ld \n", classmt.class_path.c_str(), today);
  History_reader reader(classmt.fp_class, classmt.class_path);
  reader.skip_header({"TAGS_EXTRACT", Reader_name::Voice::listing}, classmt.fp_log);
  std::vector<int> tags;
  while (reader.next_line()) {
    if (reader.at_key_line()) count_record(classmt, reader, tags, today);
  }
  trace("TAGS_EXTRACT nb=%d \n", classmt.nb);
}

void MERGESORT_STG_CLASS(int lo, int hi, std::vector<int>& order,
                         const std::vector<std::string>& ss_words) {
  // Keys of every tag, computed once; a blank key is the empty tag's.
  std::vector<std::string> keys(ss_words.size());
  std::vector<char> blank(ss_words.size(), 0);
  for (std::size_t k = 1; k < ss_words.size(); ++k) {
    const std::string& word = ss_words[k];
    keys[k] = word.size() >= 3 ? word.substr(2, word.size() - 3) : std::string();
    RM_ACCENTS(keys[k]);
    blank[k] = keys[k].find_first_not_of(' ') == std::string::npos;
  }
  sort_ranks(order, lo, hi,
             [&](int a, int b) { return !blank[b] && (blank[a] || keys[a] < keys[b]); });
}

std::string tag_display_line(const Tag_classmt& classmt, int k) {
  return " " + classmt.ss_words[k] + " nb=" + std::to_string(classmt.value[k]) +
         "  QR=" + std::to_string(classmt.nk_QR[k]) + "  RQ=" + std::to_string(classmt.nk_RQ[k]) +
         " ";
}
