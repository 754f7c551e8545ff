#include "commands/tag_word_index.h"

#include <cstring>

// Eight bytes at a time, multiplied and folded; the bytes after the last
// whole eight one at a time.
std::uint64_t Tag_word_index::hash(std::string_view word) {
  constexpr std::uint64_t kMul = 0x9E3779B97F4A7C15ULL;
  std::uint64_t h = word.size() * kMul;
  std::size_t i = 0;
  for (; i + 8 <= word.size(); i += 8) {
    std::uint64_t v;
    std::memcpy(&v, word.data() + i, 8);
    h = (h ^ v) * kMul;
    h ^= h >> 32;
  }
  std::uint64_t rest = 0;
  for (; i < word.size(); ++i) rest = rest << 8 | static_cast<unsigned char>(word[i]);
  h = (h ^ rest) * kMul;
  return h ^ (h >> 32);
}

int Tag_word_index::find(std::string_view word) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = hash(word) & mask; slots_[i] != 0; i = (i + 1) & mask) {
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
  std::size_t i = hash(word) & mask;
  while (slots_[i] != 0) i = (i + 1) & mask;
  slots_[i] = k;
  return k;
}

void Tag_word_index::grow() {
  slots_.assign(2 * slots_.size(), 0);
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t k = 1; k + 1 < words_.size(); ++k) {
    std::size_t i = hash(words_[k]) & mask;
    while (slots_[i] != 0) i = (i + 1) & mask;
    slots_[i] = static_cast<int>(k);
  }
}
