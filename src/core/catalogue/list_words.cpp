#include "catalogue/list_words.h"

std::vector<ListWord> list_words(std::string_view list) {
  std::vector<ListWord> words;
  std::size_t i = 0;
  while (i < list.size()) {
    while (i < list.size() && list[i] == ' ') ++i;
    if (i == list.size()) break;
    const std::size_t begin = i;
    while (i < list.size() && list[i] != ' ') ++i;
    words.push_back({begin, list.substr(begin, i - begin)});
  }
  return words;
}

std::string_view list_word(std::string_view list, int k) {
  if (k < 1) return {};
  int count = 0;
  std::size_t i = 0;
  while (i < list.size()) {
    while (i < list.size() && list[i] == ' ') ++i;
    if (i == list.size()) break;
    const std::size_t begin = i;
    while (i < list.size() && list[i] != ' ') ++i;
    if (++count == k) return list.substr(begin, i - begin);
  }
  return {};
}
