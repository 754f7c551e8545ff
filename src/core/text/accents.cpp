// Accent sequences in lesson texts: a backslash, a mark and a letter ("\'e"
// is e acute, "\,c" c cedilla, "\oe" the two letters o, e). Display turns
// them into CP1252 letters; comparison and sorting reduce every accented
// letter to its base letter. Nothing here fails: a sequence that is not in
// the table stays in the text, backslash included.
#include "text/accents.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

constexpr unsigned char kNoBreakSpace = 160;
constexpr unsigned char kLeftGuillemet = 171;
constexpr unsigned char kRightGuillemet = 187;
constexpr unsigned char kLigatureAe = 230;
constexpr unsigned char kLigatureAE = 198;

struct AccentEntry {
  char mark;
  char letter;
  std::string_view result;
};

// Mark (or first letter), letter, and what the sequence becomes.
constexpr AccentEntry kAccentTable[] = {
    {'~', 'n', "\xF1"}, {'~', 'N', "\xD1"},  {'~', 'a', "\xE3"},  {'`', 'a', "\xE0"},
    {'`', 'e', "\xE8"}, {'`', 'u', "\xF9"},  {'`', 'A', "\xC0"},  {'`', 'E', "\xC8"},
    {'`', 'U', "\xD9"}, {'\'', 'a', "\xE1"}, {'\'', 'e', "\xE9"}, {'\'', 'E', "\xC9"},
    {'^', 'a', "\xE2"}, {'^', 'e', "\xEA"},  {'^', 'i', "\xEE"},  {'^', 'o', "\xF4"},
    {'^', 'u', "\xFB"}, {'^', 'A', "\xC2"},  {'^', 'E', "\xCA"},  {'^', 'I', "\xCE"},
    {'^', 'O', "\xD4"}, {'^', 'U', "\xDB"},  {':', 'a', "\xE4"},  {':', 'e', "\xEB"},
    {':', 'i', "\xEF"}, {':', 'o', "\xF6"},  {':', 'u', "\xFC"},  {':', 'E', "\xCB"},
    {':', 'I', "\xCF"}, {':', 'O', "\xD6"},  {':', 'U', "\xDC"},  {',', 'c', "\xE7"},
    {',', 'C', "\xC7"}, {'a', 'e', "\xE6"},  {'A', 'E', "\xC6"},  {'o', 'e', "oe"},
    {'O', 'E', "OE"},
};

bool is_accent_mark(char c) {
  return c == '`' || c == '~' || c == '^' || c == '\'' || c == ':' || c == ',';
}

// True when the backslash at `i` has the two characters of a sequence after
// it; a backslash among the last two characters is dropped by the callers.
bool starts_sequence(std::string_view s, std::size_t i) {
  return i + 2 < s.size();
}

// Decodes the sequence whose backslash is at `i` into `out`. On a table entry
// it appends the letter (or the two letters) and leaves `i` on the last
// character of the sequence; otherwise it appends the backslash and leaves
// `i` on it. The caller then steps `i` by one.
void TRO_ACCENT(std::size_t& i, std::string_view s, std::string& out) {
  for (const AccentEntry& entry : kAccentTable) {
    if (entry.mark == s[i + 1] && entry.letter == s[i + 2]) {
      out += entry.result;
      i += 2;
      return;
    }
  }
  out += '\\';
}

// The ASCII stand-in of a typographic quote or dash, else `c` itself.
char plain_punctuation(char c) {
  switch (static_cast<unsigned char>(c)) {
    case 145:
    case 146:
      return '\'';
    case 147:
    case 148:
      return '"';
    case 150:
      return '-';
    default:
      return c;
  }
}

std::string expand_tabs(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (char c : s) {
    if (c == '\t') {
      out.append(8, ' ');
    } else {
      out += c;
    }
  }
  return out;
}

// Marks that keep a no-break space after them ("« oui") or before them
// ("oui »", "Quoi ?"). Curly quotes are straight by the time they are asked.
bool opens_quote(unsigned char c) {
  return c == kLeftGuillemet || c == '<' || c == '"';
}
bool closes_phrase(unsigned char c) {
  return c == kRightGuillemet || c == '>' || c == '"' || c == '!' || c == '?' || c == ':' ||
         c == ';';
}

// The shared walk of DECODE_ACCENTS and DECODE1_ACCENTS.
void decode(std::string& text, bool french_spacing) {
  const std::string s = expand_tabs(text);
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\') {
      if (starts_sequence(s, i)) TRO_ACCENT(i, s, out);
      continue;
    }
    const char c = plain_punctuation(s[i]);
    out += c;
    if (!french_spacing) continue;
    const auto u = static_cast<unsigned char>(c);
    if (opens_quote(u) && i + 1 < s.size() && s[i + 1] == ' ') {
      out += static_cast<char>(kNoBreakSpace);
      ++i;
    } else if (closes_phrase(u) && out.size() >= 2 && out[out.size() - 2] == ' ') {
      out[out.size() - 2] = static_cast<char>(kNoBreakSpace);
    }
  }
  text = std::move(out);
}

// The base letter of a CP1252 accented letter, or `c` itself. The ligatures
// stay one byte here; RM_ACCENTS widens them last.
constexpr char WORK_ACCENT(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u >= 224 && u <= 229) return 'a';
  if (u == 231) return 'c';
  if (u >= 232 && u <= 235) return 'e';
  if (u == 238 || u == 239) return 'i';
  if (u == 241) return 'n';
  if (u == 244 || u == 246) return 'o';
  if (u == 249 || u == 251 || u == 252) return 'u';
  if (u == 199) return 'C';
  if (u >= 200 && u <= 203) return 'E';
  if (u == 206 || u == 207) return 'I';
  if (u == 209) return 'N';
  if (u == 212 || u == 214) return 'O';
  if (u == 217 || u == 219 || u == 220) return 'U';
  return c;
}

// WORK_ACCENT of every byte, worked out once.
constexpr std::array<char, 256> kBaseLetters = [] {
  std::array<char, 256> letters{};
  for (int u = 0; u < 256; ++u) letters[u] = WORK_ACCENT(static_cast<char>(u));
  return letters;
}();

// Writes `c` at `w`, a ligature byte as its two letters; returns the new end.
char* put_widened(char c, char* w) {
  const auto u = static_cast<unsigned char>(c);
  if (u == kLigatureAe) {
    *w++ = 'a';
    *w++ = 'e';
  } else if (u == kLigatureAE) {
    *w++ = 'A';
    *w++ = 'E';
  } else {
    *w++ = c;
  }
  return w;
}

// Reduces the sequence whose backslash is at `i` to `w`: after an accent
// mark the third character alone (a ligature widened), a written-out
// ligature as its two letters, anything else as the backslash (leaving `i`
// on it). The caller steps `i` by one. Returns the new end.
char* WORK_RM_ACCENT(std::size_t& i, std::string_view s, char* w) {
  const char mark = s[i + 1], letter = s[i + 2];
  if (is_accent_mark(mark)) {
    i += 2;
    return put_widened(letter, w);
  }
  if ((mark == 'a' && letter == 'e') || (mark == 'o' && letter == 'e') ||
      (mark == 'A' && letter == 'E') || (mark == 'O' && letter == 'E')) {
    *w++ = mark;
    *w++ = letter;
    i += 2;
    return w;
  }
  *w++ = '\\';
  return w;
}

}  // namespace

void DECODE_ACCENTS(std::string& s) {
  decode(s, false);
}

void DECODE1_ACCENTS(std::string& s) {
  decode(s, true);
}

namespace {

// The top bit of some byte of the eight at `p` is set when one of them is a
// backslash or above 0x7F: a byte above 0x7F sets its own, a backslash is a
// zero byte of b = v ^ 0x5C.., found by (b - 0x01..) & ~b.
std::uint64_t accent_marks(const char* p) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  std::uint64_t v;
  std::memcpy(&v, p, 8);
  const std::uint64_t b = v ^ ('\\' * kOnes);
  return v | ((b - kOnes) & ~b);
}

constexpr std::uint64_t kTops = 0x8080808080808080ULL;

}  // namespace

bool has_accent_bytes(std::string_view s) {
  std::uint64_t marks = 0;
  std::size_t i = 0;
  for (; i + 8 <= s.size(); i += 8) marks |= accent_marks(s.data() + i);
  for (; i < s.size(); ++i) {
    if (s[i] == '\\' || static_cast<unsigned char>(s[i]) >= 0x80) return true;
  }
  return (marks & kTops) != 0;
}

namespace {

// What RM_ACCENTS makes of `s`, which holds accent bytes, into `out`.
void reduce_accents(std::string_view s, std::string& out) {
  // A byte gives at most two (a ligature), a sequence of three at most two.
  out.resize(2 * s.size());
  char* w = out.data();
  std::size_t i = 0;
  while (i < s.size()) {
    // Plain ASCII bytes are copied as they stand, eight at a time, up to the
    // first byte to reduce (the lowest byte marked is a true one).
    if (i + 8 <= s.size()) {
      const std::uint64_t marks = accent_marks(s.data() + i) & kTops;
      std::size_t plain = marks == 0 ? 8 : 0;
      if constexpr (std::endian::native == std::endian::little) {
        if (marks != 0) plain = static_cast<std::size_t>(std::countr_zero(marks)) / 8;
      }
      std::memcpy(w, s.data() + i, 8);
      w += plain;
      i += plain;
      if (plain > 0) continue;
    }
    if (s[i] != '\\') {
      w = put_widened(kBaseLetters[static_cast<unsigned char>(s[i])], w);
    } else if (starts_sequence(s, i)) {
      w = WORK_RM_ACCENT(i, s, w);
    }
    ++i;
  }
  out.resize(static_cast<std::size_t>(w - out.data()));
}

}  // namespace

void RM_ACCENTS(std::string& s) {
  // Plain ASCII without a backslash (most names) has nothing to reduce.
  if (!has_accent_bytes(s)) return;
  std::string out;
  reduce_accents(s, out);
  s = std::move(out);
}

void remove_accents(std::string_view s, std::string& out) {
  if (has_accent_bytes(s)) {
    reduce_accents(s, out);
  } else {
    out.assign(s);
  }
}
