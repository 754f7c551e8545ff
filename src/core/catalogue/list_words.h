// Words of the catalogue's space-separated lists (the lesson list and the
// alias list): a word is a run of characters other than the space; any number
// of spaces may stand before, between and after the words.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

struct ListWord {
  std::size_t begin = 0;  // index of its first character in the list
  std::string_view text;
};

// Every word of `list`, in order; word k (from 1) is element k - 1.
// Cannot fail; an empty list or one of spaces only has no word.
std::vector<ListWord> list_words(std::string_view list);

struct Indexed_list;

// The words of a list as the index kept for list_word() holds them, shared
// rather than copied or scanned again (for the lesson and alias lists, which
// are indexed anyway): valid for as long as the handle lives, whatever lists
// are indexed after it.
class Kept_list_words {
 public:
  explicit Kept_list_words(std::shared_ptr<const Indexed_list> index) : index_(std::move(index)) {}
  std::size_t size() const;
  // Word `at` + 1 of the list. `at` must be below size().
  std::string_view operator[](std::size_t at) const;
  // As list_word_number() on the list.
  int number_of(std::string_view word) const;

 private:
  std::shared_ptr<const Indexed_list> index_;
};
Kept_list_words kept_list_words(std::string_view list);

// Word `k` (from 1) of `list`; an empty view when k is below 1 or the list
// holds fewer than k words. Looking up the words of one list one after the
// other costs a comparison of the list per call, not a scan.
std::string_view list_word(std::string_view list, int k);

// The number (from 1) of the first word of `list` equal to `word`; -1 when
// none is, or when `word` is empty or holds a space.
int list_word_number(std::string_view list, std::string_view word);

// The number (from 1) of the nearest word at or before word `k` that does
// not begin with "&": the word whose directory an "&/" word of the lesson
// list shares. 0 when there is none or `list` has no word `k`. Found for
// every word at once when the list is indexed: a lookup walks back over
// nothing, however many "&/" words a range wrote before it.
int list_base_word_number(std::string_view list, int k);

// For every word of `list`, word k (from 1) at k - 1: whether no word before
// it is spelt the same. Cannot fail.
std::vector<bool> list_first_of_spelling(std::string_view list);
