// Reading, validating and building the lines of a history file; the layout
// is drawn in history_format.h.
#include "history/history_format.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

#include "text/number_fields.h"

namespace {

// The fields of a statistics line as read: a number, or nothing for a field
// without one.
template <std::size_t N>
using Fields = std::array<std::optional<long>, N + 1>;

enum class Written { no, blank, number };

// The usual field, whose digits all lie in its first eight bytes: `head`
// holds them with each blank made a zero byte (a digit reads 0x10 to 0x19).
// True, with the number in `value`, when the bytes between the blanks are
// all digits; the digits are then added up in the word, a pair, a four and
// an eight at a time.
inline bool read_digits_in_word(std::uint64_t head, long& value) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  const int first = std::countr_zero(head) / 8;
  const int count = 8 - first - std::countl_zero(head) / 8;
  const std::uint64_t run = head >> (8 * first);
  const std::uint64_t in_run = ~std::uint64_t{0} >> (8 * (8 - count));
  const std::uint64_t digits = run & 0x0F * kOnes & in_run;
  if ((run & 0xF0 * kOnes & in_run) != (0x10 * kOnes & in_run) ||
      ((digits + 0x06 * kOnes) & 0x10 * kOnes & in_run) != 0) {
    return false;
  }
  // The first digit is the lowest byte: leading zeros go below it.
  std::uint64_t v = digits << (8 * (8 - count));
  v = (v * 10 + (v >> 8)) & 0x00FF00FF00FF00FFULL;
  v = (v * 100 + (v >> 16)) & 0x0000FFFF0000FFFFULL;
  v = (v * 10000 + (v >> 32)) & 0xFFFFFFFFULL;
  value = static_cast<long>(v);
  return true;
}

// One field as the program writes it (LNB_12CHAR): twelve blanks, or
// blanks, 1 to 11 digits and at least one blank; its number goes to
// `value`. The twelve bytes are looked at as two words in which a blank is
// a zero byte, so that the blanks around the digits are checked without a
// loop.
inline Written read_written_field(const char* f, long& value) {
  if constexpr (std::endian::native != std::endian::little) return Written::no;
  std::uint64_t head;
  std::uint32_t tail;
  std::memcpy(&head, f, 8);
  std::memcpy(&tail, f + 8, 4);
  head ^= 0x2020202020202020ULL;
  tail ^= 0x20202020U;
  if ((head | tail) == 0) return Written::blank;
  if (head != 0 && tail == 0 && read_digits_in_word(head, value)) return Written::number;
  std::size_t i = head != 0 ? std::countr_zero(head) / 8 : 8 + std::countr_zero(tail) / 8;
  const std::size_t first = i;
  value = 0;
  for (; i < kStatFieldWidth; ++i) {
    const unsigned digit = static_cast<unsigned char>(f[i]) - unsigned{'0'};
    if (digit > 9) break;
    value = value * 10 + static_cast<long>(digit);
  }
  if (i == first || i == kStatFieldWidth) return Written::no;
  const bool blanks_after =
      i < 8 ? (head >> (8 * i)) == 0 && tail == 0 : (tail >> (8 * (i - 8))) == 0;
  return blanks_after ? Written::number : Written::no;
}

// The line as the program writes it, read directly (the number reader would
// take four calls): N fields written by LNB_12CHAR, each closed by its ";".
// False, with `fields` to be read again, for any other line. Gives what
// read_fields() gives for such a line.
template <std::size_t N>
bool read_written_fields(std::string_view ssd, Fields<N>& fields) {
  const std::size_t width = kStatFieldWidth + 1;
  if (ssd.size() != N * width) return false;
  for (std::size_t k = 1; k <= N; ++k) {
    const char* f = ssd.data() + (k - 1) * width;
    long value = 0;
    const Written got = f[kStatFieldWidth] == ';' ? read_written_field(f, value) : Written::no;
    if (got == Written::no) return false;
    if (got == Written::number) {
      fields[k] = value;
    } else {
      fields[k].reset();
    }
  }
  return true;
}

// A blank statistics line and its line end (what is written when a
// lesson's answers are reset).
constexpr std::array<char, kStatLineLength + 2> kBlankWrittenLine = [] {
  std::array<char, kStatLineLength + 2> line{};
  for (std::size_t i = 0; i < kStatLineLength; ++i) {
    line[i] = (i + 1) % (kStatFieldWidth + 1) == 0 ? ';' : ' ';
  }
  line[kStatLineLength] = '\r';
  line[kStatLineLength + 1] = '\n';
  return line;
}();

// Where LNB_12CHAR centres the "0" of a field.
constexpr std::size_t kZeroDigitPlace = (kStatFieldWidth - 1) / 2;

// Masks the place of each field's centred "0": '0' (0x30) and ' ' (0x20)
// differ in that bit alone, so that a field "0" reads there as a blank.
constexpr std::array<unsigned char, kStatLineLength + 2> kZeroDigitMask = [] {
  std::array<unsigned char, kStatLineLength + 2> mask{};
  mask.fill(0xFF);
  for (std::size_t f = 0; f < 4; ++f) mask[f * (kStatFieldWidth + 1) + kZeroDigitPlace] = 0xEF;
  return mask;
}();

// Whether `p` begins with the first `size` bytes of a statistics line of an
// entry never answered: each field blank or a centred "0" (the commonest
// line of a history file: the line a new entry gets). Every field of such a
// line reads 0, with no fault. Compared eight bytes at a time (the last word
// overlaps the one before).
template <std::size_t size>
bool begins_with_unanswered_line(const char* p) {
  static_assert(size >= 8 && size <= kBlankWrittenLine.size());
  std::uint64_t differ = 0;
  for (std::size_t i = 0; i < size; i += 8) {
    const std::size_t at = std::min(i, size - 8);
    std::uint64_t got;
    std::uint64_t mask;
    std::uint64_t blank;
    std::memcpy(&got, p + at, 8);
    std::memcpy(&mask, kZeroDigitMask.data() + at, 8);
    std::memcpy(&blank, kBlankWrittenLine.data() + at, 8);
    differ |= (got & mask) ^ blank;
  }
  return differ == 0;
}

// The four fields of a statistics line as the program writes it, from `line`
// on (kStatLineLength bytes), into values[1] to [4], blanks read as 0 (what
// the checks make of an empty field); false for any other line.
bool read_written_number_fields(const char* line, std::array<long, 5>& values) {
  const std::size_t width = kStatFieldWidth + 1;
  for (std::size_t k = 1; k <= 4; ++k) {
    const char* f = line + (k - 1) * width;
    values[k] = 0;
    if (f[kStatFieldWidth] != ';' || read_written_field(f, values[k]) == Written::no) return false;
  }
  return true;
}

// The same for a whole line, the one of an entry never answered looked for
// first.
bool read_written_numbers(std::string_view ssd, std::array<long, 5>& values) {
  if (ssd.size() != kStatLineLength) return false;
  if (begins_with_unanswered_line<kStatLineLength>(ssd.data())) {
    values = {};
    return true;
  }
  return read_written_number_fields(ssd.data(), values);
}

// The text of each of the N fields of `ssd`. A line holding exactly N ";"
// is cut at them, so that a character lost or added in one field moves no
// other field; any other line is cut into its fixed columns, each 12
// characters after the ";" place of the field before (as far as the line
// goes).
template <std::size_t N>
std::array<std::string_view, N + 1> field_texts(std::string_view ssd) {
  std::array<std::string_view, N + 1> texts{};
  const std::size_t width = kStatFieldWidth + 1;
  if (std::count(ssd.begin(), ssd.end(), ';') == static_cast<std::ptrdiff_t>(N)) {
    std::size_t start = 0;
    for (std::size_t k = 1; k <= N; ++k) {
      const std::size_t end = ssd.find(';', start);
      texts[k] = ssd.substr(start, end - start);
      start = end + 1;
    }
    return texts;
  }
  for (std::size_t k = 1; k <= N; ++k) {
    const std::size_t start = (k - 1) * width;
    if (start < ssd.size()) texts[k] = ssd.substr(start, kStatFieldWidth);
  }
  return texts;
}

// Reads the N fields of `ssd`, each within its own text (field_texts()):
// its number is the first one there, as the number reader takes it (the
// field is empty when none). Returns true when the line is faulty: a length
// other than 13 N, a ";" missing at the end of a field, or a field that
// holds more than one number, or text where a number should begin. Damage
// in one field thus changes that field alone.
template <std::size_t N>
bool read_fields(std::string_view ssd, Fields<N>& fields) {
  if (read_written_fields<N>(ssd, fields)) return false;
  const std::size_t width = kStatFieldWidth + 1;
  bool fault = ssd.size() != N * width;
  for (std::size_t k = 1; k <= N && !fault; ++k) {
    if (ssd[k * width - 1] != ';') fault = true;
  }

  const std::array<std::string_view, N + 1> texts = field_texts<N>(ssd);
  std::vector<long> got;
  for (std::size_t k = 1; k <= N; ++k) {
    const std::string_view text = texts[k];
    const std::size_t stop = static_cast<std::size_t>(EXTR_N_LINT(1, text, got));
    if (got[0] >= 1) {
      fields[k] = got[1];
    } else {
      fields[k].reset();
    }
    if (stop < text.size()) fault = true;
  }
  return fault;
}

// A count: negative, or above kMaxStatCount (no drill can have recorded
// it, and a recording would stop on it), is a fault and becomes 0.
long checked_count(long value, bool& fault) {
  if (value >= 0 && value <= kMaxStatCount) return value;
  fault = true;
  return 0;
}

// One sense of the current form: the last day of an answer and its count.
void check_day(long date0, long field, long& day, long& count, bool& fault) {
  day = field;
  if (day < 0) {
    fault = true;
    day = 0;
  } else if (day > date0) {
    fault = true;
    day = 0;
    count = 0;
  }
  if (count == 0) day = 0;
}

// One sense of the old form: interrogations, wrong answers, day of the last
// interrogation.
void check_old_sense(long date0, std::optional<long> f_asked, std::optional<long> f_wrong,
                     std::optional<long> f_day, long* out, bool& fault) {
  long asked = checked_count(f_asked.value_or(0), fault);
  long wrong = checked_count(f_wrong.value_or(0), fault);
  if (wrong > asked) {
    fault = true;
    asked = 0;
    wrong = 0;
  }
  if (asked == 0) wrong = 0;

  long day = f_day.value_or(date0);
  if (day < 0) {
    fault = true;
    day = date0;
  } else if (day > date0) {
    fault = true;
    asked = 0;
    wrong = 0;
  }
  if (asked == 0) day = date0;

  out[0] = asked;
  out[1] = wrong;
  out[2] = day;
}

}  // namespace

namespace {

// The checks of CHECK_EXTRACT_4LINT on the numbers read into read[1] to [4].
int checked_numbers(long date0, const std::array<long, 5>& read, bool fault,
                    std::array<long, 5>& i_extracted) {
  long nb = checked_count(read[1], fault);
  long nok = checked_count(read[2], fault);
  long date_ok = 0;
  long date_nok = 0;
  check_day(date0, read[3], date_ok, nb, fault);
  check_day(date0, read[4], date_nok, nok, fault);

  i_extracted = {0, nb, nok, date_ok, date_nok};
  return fault ? 1 : 0;
}

}  // namespace

int CHECK_EXTRACT_4LINT(long date0, std::string_view ssd, std::array<long, 5>& i_extracted) {
  std::array<long, 5> read{};
  bool fault = false;
  if (!read_written_numbers(ssd, read)) {
    Fields<4> fields;
    fault = read_fields<4>(ssd, fields);
    for (std::size_t k = 1; k <= 4; ++k) read[k] = fields[k].value_or(0);
  }
  return checked_numbers(date0, read, fault, i_extracted);
}

Written_stats check_extract_written_line(long date0, std::string_view bytes,
                                         std::array<long, 5>& i_extracted) {
  std::array<long, 5> read{};
  if (bytes.size() < kStatLineLength + 2) return Written_stats::not_written;
  if (!begins_with_unanswered_line<kStatLineLength + 2>(bytes.data()) &&
      (bytes[kStatLineLength] != '\r' || bytes[kStatLineLength + 1] != '\n' ||
       !read_written_number_fields(bytes.data(), read))) {
    return Written_stats::not_written;
  }
  return checked_numbers(date0, read, false, i_extracted) != 0 ? Written_stats::faulty
                                                               : Written_stats::sound;
}

int CHECK_EXTRACT_6LINT(long date0, std::string_view ssd, std::array<long, 7>& i_extracted) {
  Fields<6> fields;
  bool fault = read_fields<6>(ssd, fields);

  i_extracted[0] = 0;
  check_old_sense(date0, fields[1], fields[2], fields[3], &i_extracted[1], fault);
  check_old_sense(date0, fields[4], fields[5], fields[6], &i_extracted[4], fault);
  return fault ? 1 : 0;
}

bool has_stat_line_layout(std::string_view line) {
  if (line.size() != kStatLineLength) return false;
  for (std::size_t k = 1; k <= 4; ++k) {
    if (line[k * (kStatFieldWidth + 1) - 1] != ';') return false;
  }
  return true;
}

bool begins_with_written_stat_line(std::string_view bytes) {
  if (bytes.size() < kStatLineLength + 2 || bytes[kStatLineLength] != '\r' ||
      bytes[kStatLineLength + 1] != '\n') {
    return false;
  }
  // Eight bytes at a time (the last word overlaps the one before): a byte
  // below 0x20 sets its top bit in (v - 0x20..) & ~v, one above 0x7F in v.
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  constexpr std::uint64_t kTops = 0x8080808080808080ULL;
  std::uint64_t marks = 0;
  for (std::size_t i = 0; i < kStatLineLength; i += 8) {
    std::uint64_t v;
    std::memcpy(&v, bytes.data() + std::min(i, kStatLineLength - 8), 8);
    marks |= v | ((v - 0x20 * kOnes) & ~v);
  }
  return (marks & kTops) == 0;
}

std::string stat_line(long nb, long nok, long date_ok, long date_nok) {
  std::string line;
  line.reserve(kStatLineLength);
  for (long value : {nb, nok, date_ok, date_nok}) {
    std::string field = LNB_12CHAR(value);
    field.resize(kStatFieldWidth, ' ');
    line += field;
    line += ';';
  }
  return line;
}

std::string blank_stat_line() {
  std::string line;
  for (int k = 0; k < 4; ++k) line += std::string(kStatFieldWidth, ' ') + ';';
  return line;
}

std::string header_line(std::string_view path, std::string_view alias) {
  std::string line(path);
  line += ' ';
  line += alias;
  line += " \r\n";
  return line;
}

std::string marker_line() {
  return std::string(53, '#') + "\r\n";
}

std::string end_line(long offset) {
  return "# END_OF_FILE * " + std::to_string(offset) + "  \r\n";
}

std::string collapse_blanks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool in_run = false;
  for (char c : text) {
    const bool blank = c == ' ' || c == '\t';
    if (blank && in_run) continue;
    out += blank ? ' ' : c;
    in_run = blank;
  }
  return out;
}

std::string entry_key(std::string_view name_part, std::string_view alias, long position,
                      std::string_view tail) {
  std::string key = "#";
  key += name_part;
  key += '*';
  key += alias;
  key += ' ';
  key += std::to_string(position);
  key += " *";
  key += tail;
  return collapse_blanks(key);
}

std::string key_line(std::string_view key) {
  return collapse_blanks(key) + " \r\n";
}

namespace {

// Where the alias that begins `after` ends: at its first blank or line-end
// byte (npos when none).
std::size_t alias_end_in(std::string_view after) {
  for (std::size_t i = 0; i < after.size(); ++i) {
    const char c = after[i];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') return i;
  }
  return std::string_view::npos;
}

}  // namespace

std::optional<Key_ref> parse_key_line(std::string_view line) {
  const auto star = line.find('*');
  if (star == std::string_view::npos) return std::nullopt;

  Key_ref ref;
  if (star > 0) ref.name_part = std::string(line.substr(1, star - 1));
  const std::string_view after = line.substr(star + 1);
  const auto alias_end = alias_end_in(after);
  ref.alias = std::string(after.substr(0, alias_end));
  if (alias_end != std::string_view::npos) ref.position = first_lint(after.substr(alias_end));
  return ref;
}

std::optional<std::string_view> key_line_alias(std::string_view line) {
  const auto star = line.find('*');
  if (star == std::string_view::npos) return std::nullopt;
  const std::string_view after = line.substr(star + 1);
  return after.substr(0, alias_end_in(after));
}

bool is_marker_line(std::string_view line) {
  return !line.empty() && line[0] == '#' && line.find(kMarkerText) != std::string_view::npos;
}

bool is_reference_line(std::string_view line) {
  return line.size() >= 2 && line[0] == '#' && line[1] == '#';
}

bool is_key_line(std::string_view line) {
  return !line.empty() && line[0] == '#' && !is_reference_line(line);
}
