#include "catalogue/aliases.h"

#include <unordered_map>

#include "base/stop.h"
#include "base/trace.h"
#include "catalogue/lesson_paths.h"
#include "catalogue/list_words.h"

namespace {

bool is_alias_char(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_';
}

// The alias after the first "!#" of `line`; `line` must contain "!#".
std::string alias_of_line(std::string_view line) {
  std::size_t i = line.find("!#") + 2;
  while (i < line.size() && line[i] == ' ') ++i;
  std::size_t end = i;
  while (end < line.size() && is_alias_char(line[end])) ++end;
  return std::string(line.substr(i, end - i));
}

// The name of lesson `num` for messages: its lesson file.
std::string lesson_file_for_message(int num, const Trf_string& G_lesson) {
  return S_LESSON_FROM_NUM(num, G_lesson).value_or("?");
}

}  // namespace

std::optional<std::string> S_ALIAS_FROM_NUM(int num, const Trf_string& G_dico) {
  const std::string_view word = list_word(G_dico.st_alias, num);
  if (word.empty()) return std::nullopt;
  trace("S_ALIAS_FROM_NUM s=%.*s \n", static_cast<int>(word.size()), word.data());
  return std::string(word);
}

int NUM_FROM_ALIAS(std::string_view s_alias, const Trf_string& G_dico) {
  return NUM_FROM_ALIAS(s_alias, G_dico, kept_list_words(G_dico.st_alias));
}

int NUM_FROM_ALIAS(std::string_view s_alias, const Trf_string& G_dico,
                   const Kept_list_words& aliases) {
  const std::size_t first = s_alias.find_first_not_of(' ');
  if (first == std::string_view::npos) return -1;
  const std::string_view alias = s_alias.substr(first, s_alias.find_last_not_of(' ') + 1 - first);
  const std::string_view list = G_dico.st_alias;
  if (alias.find(' ') == std::string_view::npos) {
    const int num = aliases.number_of(alias);
    if (num > 0) {
      trace("NUM_FROM_ALIAS alias=%.*s num=%d \n", static_cast<int>(alias.size()), alias.data(),
            num);
    }
    return num;
  }
  for (std::size_t at = list.find(alias); at != std::string_view::npos;
       at = list.find(alias, at + 1)) {
    const std::size_t after = at + alias.size();
    const bool starts_word = at == 0 || list[at - 1] == ' ';
    const bool ends_word = after == list.size() || list[after] == ' ';
    if (starts_word && ends_word) {
      const int num = static_cast<int>(list_words(list.substr(0, at)).size()) + 1;
      trace("NUM_FROM_ALIAS alias=%.*s num=%d \n", static_cast<int>(alias.size()), alias.data(),
            num);
      return num;
    }
  }
  return -1;
}

std::vector<bool> first_of_their_alias(const Trf_string& G_dico) {
  return list_first_of_spelling(G_dico.st_alias);
}

std::optional<std::string> EXTRACT_SHABANG(LineReader& fp) {
  long nc = 0;
  std::string line;
  while (aln_getline(nc, line, fp) >= 0) {
    if (line.find("!#") != std::string::npos) {
      std::string alias = alias_of_line(line);
      trace("EXTRACT_SHABANG alias=%s \n", alias.c_str());
      return alias;
    }
  }
  return std::nullopt;
}

void MAKE_ST_ALIAS(LogFile& fp_log, Trf_string& G_lesson) {
  std::string st_alias = " ";
  std::unordered_map<std::string, int> lesson_of_alias;
  for (int num = 1; num <= G_lesson.nb_lesson; ++num) {
    const std::optional<std::string> cpy = S_CPY_LESSON_FROM_NUM(num, G_lesson);
    LineReader fp;
    if (!cpy || !fp.open(*cpy)) {
      fp_log.fail(kExitNoCopy, "MAKE_ST_ALIAS error 32 CPY for lesson %d not found \n", num);
    }
    const std::optional<std::string> alias = EXTRACT_SHABANG(fp);
    if (!alias || alias->empty()) {
      const std::string file = lesson_file_for_message(num, G_lesson);
      const char* fmt = alias ? "lesson %d (%s) has an empty alias after \"!#\" stop \n"
                              : "lesson %d (%s) has no alias line \"!# name\" stop \n";
      fp_log.fail(kExitBadName, fmt, num, file.c_str());
    }
    // The alias is written into every key line of the history file, where a
    // line holding "END_OF_FILE" ends the file: the records after it would
    // never be read again.
    if (alias->find("END_OF_FILE") != std::string::npos) {
      const std::string file = lesson_file_for_message(num, G_lesson);
      const char* fmt = "lesson %d (%s) has the alias %s, which cannot hold END_OF_FILE stop \n";
      fp_log.fail(kExitBadName, fmt, num, file.c_str(), alias->c_str());
    }
    const auto [earlier, inserted] = lesson_of_alias.emplace(*alias, num);
    if (!inserted) {
      const std::string file1 = lesson_file_for_message(earlier->second, G_lesson);
      const std::string file2 = lesson_file_for_message(num, G_lesson);
      const char* fmt = "lessons %d (%s) and %d (%s) have the same alias %s stop \n";
      fp_log.fail(kExitBadName, fmt, earlier->second, file1.c_str(), num, file2.c_str(),
                  alias->c_str());
    }
    st_alias += *alias + " ";
  }
  G_lesson.st_alias = st_alias;
  trace("MAKE_ST_ALIAS st_alias=%s \n", st_alias.c_str());
}
