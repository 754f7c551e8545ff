#include "config/value_readers.h"

#include <glib.h>

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "base/stop.h"
#include "base/trace.h"
#include "config/value_lines.h"

namespace {

bool is_ascii_alnum(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool is_number_char(unsigned char c) {
  return is_ascii_alnum(c) || c == '-' || c == '>' || c == '_' || c == '.' || c == '\\' || c == '/';
}

bool is_font_char(unsigned char c) {
  return is_ascii_alnum(c) || c == '-' || c == '*';
}

// "<:" or ":>" at index i.
bool at_end_marker(const std::string& s, std::size_t i) {
  if (i + 1 >= s.size()) return false;
  return (s[i] == '<' && s[i + 1] == ':') || (s[i] == ':' && s[i + 1] == '>');
}

// The scan shared by the number and font tokens.
void collect_runs(int& count, std::size_t i, const std::string& s, std::string& out, bool& code_fin,
                  bool (*is_token_char)(unsigned char)) {
  for (;;) {
    while (i < s.size() && s[i] == ' ') ++i;
    const std::size_t begin = i;
    while (i < s.size() && is_token_char(static_cast<unsigned char>(s[i]))) ++i;
    if (i > begin) {
      out += ' ';
      out.append(s, begin, i - begin);
      ++count;
    }
    if (at_end_marker(s, i)) {
      code_fin = true;
      return;
    }
    if (i == begin) return;
  }
}

// The tokens of a number value, each after one space.
std::string read_number_tokens(ConfSource& fp, std::string& s, const char* reader_name,
                               int& n_pages) {
  const std::size_t start = value_start(s);
  if (start == std::string::npos)
    fail(kExitBadInput, "error in line s=%s \n", shown_line(s).c_str());
  std::string ss_pages;
  n_pages = 0;
  read_value_lines(fp, s, start, reader_name, reader_name,
                   [&](std::size_t i, const std::string& line, bool& code_fin) {
                     EXTRACT_INPUT(n_pages, i, line, ss_pages, code_fin);
                   });
  return ss_pages;
}

std::vector<std::string> words_of(const std::string& ss) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while ((i = ss.find_first_not_of(' ', i)) != std::string::npos) {
    const std::size_t end = std::min(ss.find(' ', i), ss.size());
    words.emplace_back(ss, i, end - i);
    i = end;
  }
  return words;
}

// strtol, saturated to the range [low, high].
long clamped_strtol(const std::string& word, int base, long low, long high) {
  const long value = std::strtol(word.c_str(), nullptr, base);
  return value < low ? low : (value > high ? high : value);
}

float to_float(double value) {
  if (std::isnan(value)) return NAN;
  if (value > FLT_MAX) return INFINITY;
  if (value < -FLT_MAX) return -INFINITY;
  return static_cast<float>(value);
}

}  // namespace

void EXTRACT_INPUT(int& n_pages, std::size_t i, const std::string& s, std::string& ss_pages,
                   bool& code_fin) {
  collect_runs(n_pages, i, s, ss_pages, code_fin, is_number_char);
}

void EXTRACT_FONT_NAME(int& n_fonts, std::size_t i, const std::string& s, std::string& ss_fonts,
                       bool& code_fin) {
  collect_runs(n_fonts, i, s, ss_fonts, code_fin, is_font_char);
}

void ADD_TO_PATH_NAME(std::size_t i, const std::string& s, std::string& s_path, bool& code_fin) {
  for (;;) {
    while (i < s.size() && s[i] == ' ') ++i;
    if (i >= s.size()) return;
    if (at_end_marker(s, i)) {
      code_fin = true;
      return;
    }
    for (; i < s.size() && s[i] != ' '; ++i) s_path += (s[i] == '\\') ? '/' : s[i];
  }
}

std::vector<int> EXTRACT_LEVEL(ConfSource& fp, std::string& s, int nb_tobe) {
  int n_pages = 0;
  const std::string ss_pages = read_number_tokens(fp, s, "EXTRACT_ORDER", n_pages);
  trace("EXTRACT_LEVEL ss_pages=%s@@@\n", ss_pages.c_str());
  if (n_pages != nb_tobe) {
    fail(kExitBadInput, "error in EXTRACT_LEVEL n_pages=%d nb_tobe=%d stop \n", n_pages, nb_tobe);
  }
  std::vector<int> param;
  for (const std::string& word : words_of(ss_pages)) {
    param.push_back(static_cast<int>(clamped_strtol(word, 10, INT_MIN, INT_MAX)));
  }
  return param;
}

std::vector<float> FLOAT_EXTRACT_LEVEL(ConfSource& fp, std::string& s, int nb_tobe) {
  int n_pages = 0;
  const std::string ss_pages = read_number_tokens(fp, s, "EXTRACT_ORDER", n_pages);
  trace("FLOAT_EXTRACT_LEVEL ss_pages=%s@@@\n", ss_pages.c_str());
  if (n_pages != nb_tobe) {
    fail(kExitBadInput, "error in FLOAT_EXTRACT_LEVEL n_pages=%d nb_tobe=%d stop \n", n_pages,
         nb_tobe);
  }
  std::vector<float> param;
  for (const std::string& word : words_of(ss_pages)) {
    param.push_back(to_float(g_ascii_strtod(word.c_str(), nullptr)));
  }
  return param;
}

void EXTRACT_COLOR(ConfSource& fp, std::string& s, Rgb16& white) {
  int n_pages = 0;
  const std::string ss_pages = read_number_tokens(fp, s, "EXTRACT_COLOR", n_pages);
  trace("EXTRACT_COLOR ss_pages=%s@@@\n", ss_pages.c_str());
  if (n_pages != 3)
    fail(kExitBadInput, "error in EXTRACT_COLOR n_pages=%d nb_tobe= 3 stop \n", n_pages);
  const std::vector<std::string> words = words_of(ss_pages);
  auto component = [&](int k) {
    return static_cast<std::uint16_t>(clamped_strtol(words[k], 0, 0, 65535));
  };
  white.red = component(0);
  white.green = component(1);
  white.blue = component(2);
}

void EXTRACT_FONT_DICO(ConfSource& fp, std::string& s, int& n_fonts, std::string& ss_fonts) {
  ss_fonts.clear();
  n_fonts = 0;
  const std::size_t start = value_start(s);
  if (start == std::string::npos)
    fail(kExitBadInput, "error in line s=%s \n", shown_line(s).c_str());
  read_value_lines(fp, s, start, "EXTRACT_FONT_DICO", "EXTRACT_FONT_DICO",
                   [&](std::size_t i, const std::string& line, bool& code_fin) {
                     EXTRACT_FONT_NAME(n_fonts, i, line, ss_fonts, code_fin);
                   });
  trace("EXTRACT_FONT_DICO ss_fonts=%s@@@\n", ss_fonts.c_str());
}

void EXTRACT_PATH_IDX1(ConfSource& fp, std::string& s, int& nspath, std::string& s_path) {
  s_path.clear();
  const std::size_t start = value_start(s);
  if (start == std::string::npos)
    fail(kExitBadInput, "error in line s=%s \n", shown_line(s).c_str());
  read_value_lines(fp, s, start, "EXTRACT_FONT_DICO", "EXTRACT_FONT_DICO",
                   [&](std::size_t i, const std::string& line, bool& code_fin) {
                     ADD_TO_PATH_NAME(i, line, s_path, code_fin);
                   });
  nspath = static_cast<int>(std::min<std::size_t>(s_path.size(), INT_MAX));
  trace("EXTRACT_PATH_IDX1 s_path=%s@@@\n", s_path.c_str());
  if (!std::string_view(s_path).ends_with("IDX1")) {
    fail(kExitBadInput, "EXTRACT_PATH_IDX1 s_path=%s does not end in IDX1 stop \n", s_path.c_str());
  }
}
