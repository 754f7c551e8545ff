#include "catalogue/list_words.h"

#include <array>
#include <bit>
#include <cstring>
#include <memory>
#include <string>

#include "text/word_hash.h"

// Where the words of a list stand: begin and length of word k at k - 1.
struct Word_place {
  std::size_t begin;
  std::size_t length;
};

namespace {

std::vector<Word_place> scan_words(std::string_view list) {
  std::vector<Word_place> places;
  std::size_t i = 0;
  while (i < list.size()) {
    while (i < list.size() && list[i] == ' ') ++i;
    if (i == list.size()) break;
    const std::size_t begin = i;
    while (i < list.size() && list[i] != ' ') ++i;
    places.push_back({begin, i - begin});
  }
  return places;
}

}  // namespace

// A list with its words found, each distinct word's first number and each
// word's base word.
struct Indexed_list {
  std::string text;
  std::vector<Word_place> places;
  // Open addressing, kept at most half full: the number of the first word
  // of each spelling, at its hash; 0 for a free slot.
  std::vector<int> first_number;
  std::vector<int> base_number;         // of word k at k - 1
  std::vector<bool> first_of_spelling;  // of word k at k - 1

  std::string_view word(int number) const {
    const Word_place& p = places[static_cast<std::size_t>(number) - 1];
    return std::string_view(text).substr(p.begin, p.length);
  }
  // The slot of `word`: the one holding its first number, or the free one
  // where that number goes.
  std::size_t slot_of(std::string_view word_text) const {
    const std::size_t mask = first_number.size() - 1;
    std::size_t i = word_hash(word_text) & mask;
    while (first_number[i] != 0 && word(first_number[i]) != word_text) i = (i + 1) & mask;
    return i;
  }
};

namespace {

// The lesson list and the alias list are looked up for every lesson of
// every pass over the catalogue: each is scanned once and its index kept
// for as long as its text stays the same (checked whole at every lookup:
// one memcmp instead of a scan and a word vector).
// An index replaced in the cache lives on for as long as a handle to it
// (Kept_list_words) does.
const std::shared_ptr<const Indexed_list>& shared_index(std::string_view list) {
  static std::array<std::shared_ptr<const Indexed_list>, 2> kept;
  static std::size_t newest = 0;
  for (std::size_t n = 0; n < kept.size(); ++n) {
    const std::size_t slot = (newest + n) % kept.size();
    if (!kept[slot]) continue;
    const std::string& text = kept[slot]->text;
    if (text.size() == list.size() && std::memcmp(text.data(), list.data(), list.size()) == 0) {
      newest = slot;
      return kept[slot];
    }
  }
  newest = (newest + 1) % kept.size();
  auto built = std::make_shared<Indexed_list>();
  Indexed_list& index = *built;
  index.text.assign(list);
  index.places = scan_words(index.text);
  index.first_number.assign(std::bit_ceil(2 * index.places.size() + 2), 0);
  index.base_number.clear();
  index.first_of_spelling.clear();
  int base = 0;
  for (std::size_t k = 0; k < index.places.size(); ++k) {
    const Word_place& p = index.places[k];
    const int number = static_cast<int>(k) + 1;
    int& slot = index.first_number[index.slot_of(index.word(number))];
    const bool first = slot == 0;
    if (first) slot = number;
    index.first_of_spelling.push_back(first);
    if (index.text[p.begin] != '&') base = number;
    index.base_number.push_back(base);
  }
  kept[newest] = std::move(built);
  return kept[newest];
}

const Indexed_list& indexed(std::string_view list) {
  return *shared_index(list);
}

}  // namespace

namespace {

// The words of `list` that stand at `places`.
std::vector<ListWord> words_at(std::string_view list, const std::vector<Word_place>& places) {
  std::vector<ListWord> words;
  words.reserve(places.size());
  for (const Word_place& p : places) words.push_back({p.begin, list.substr(p.begin, p.length)});
  return words;
}

}  // namespace

std::vector<ListWord> list_words(std::string_view list) {
  return words_at(list, scan_words(list));
}

Kept_list_words kept_list_words(std::string_view list) {
  return Kept_list_words(shared_index(list));
}

std::size_t Kept_list_words::size() const {
  return index_->places.size();
}

std::string_view Kept_list_words::operator[](std::size_t at) const {
  return index_->word(static_cast<int>(at) + 1);
}

std::string_view list_word(std::string_view list, int k) {
  if (k < 1) return {};
  const std::vector<Word_place>& places = indexed(list).places;
  if (static_cast<std::size_t>(k) > places.size()) return {};
  const Word_place& p = places[static_cast<std::size_t>(k) - 1];
  return list.substr(p.begin, p.length);
}

int Kept_list_words::number_of(std::string_view word) const {
  if (word.empty() || word.find(' ') != std::string_view::npos) return -1;
  const int found = index_->first_number[index_->slot_of(word)];
  return found == 0 ? -1 : found;
}

int list_word_number(std::string_view list, std::string_view word) {
  return kept_list_words(list).number_of(word);
}

int list_base_word_number(std::string_view list, int k) {
  if (k < 1) return 0;
  const std::vector<int>& bases = indexed(list).base_number;
  return static_cast<std::size_t>(k) > bases.size() ? 0 : bases[static_cast<std::size_t>(k) - 1];
}

std::vector<bool> list_first_of_spelling(std::string_view list) {
  return indexed(list).first_of_spelling;
}
