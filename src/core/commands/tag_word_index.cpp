#include "commands/tag_word_index.h"

#include "text/word_hash.h"

int Tag_word_index::find(std::string_view word) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = word_hash(word) & mask; slots_[i] != 0; i = (i + 1) & mask) {
    if (words_[slots_[i]] == word) return slots_[i];
  }
  return 0;
}

int Tag_word_index::add(std::string_view word) {
  words_.emplace_back(word);
  const int k = static_cast<int>(words_.size() - 1);
  // Kept at most half full, so that a search soon meets a free slot.
  if (2 * words_.size() > slots_.size()) grow();
  const std::size_t mask = slots_.size() - 1;
  std::size_t i = word_hash(word) & mask;
  while (slots_[i] != 0) i = (i + 1) & mask;
  slots_[i] = k;
  return k;
}

void Tag_word_index::grow() {
  slots_.assign(2 * slots_.size(), 0);
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t k = 1; k + 1 < words_.size(); ++k) {
    std::size_t i = word_hash(words_[k]) & mask;
    while (slots_[i] != 0) i = (i + 1) & mask;
    slots_[i] = static_cast<int>(k);
  }
}
