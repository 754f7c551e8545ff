#include "text/word_hash.h"

#include <cstring>

namespace {

std::uint64_t load8(const char* p) {
  std::uint64_t v;
  std::memcpy(&v, p, 8);
  return v;
}

std::uint32_t load4(const char* p) {
  std::uint32_t v;
  std::memcpy(&v, p, 4);
  return v;
}

// The bytes of a word shorter than eight as one number, without a loop:
// its first and last four bytes (which overlap), or for one to three bytes
// its first, middle and last byte. Together with the length they tell
// every word apart.
std::uint64_t short_word_bits(std::string_view word) {
  const char* p = word.data();
  const std::size_t n = word.size();
  if (n >= 4) return std::uint64_t{load4(p)} << 32 | load4(p + n - 4);
  if (n == 0) return 0;
  const auto byte = [&](std::size_t i) { return std::uint64_t{static_cast<unsigned char>(p[i])}; };
  return byte(0) << 16 | byte(n / 2) << 8 | byte(n - 1);
}

}  // namespace

// Eight bytes at a time (the last eight overlapping the ones before),
// multiplied and folded.
std::uint64_t word_hash(std::string_view word) {
  constexpr std::uint64_t kMul = 0x9E3779B97F4A7C15ULL;
  const auto mix = [](std::uint64_t h, std::uint64_t v) {
    h = (h ^ v) * kMul;
    return h ^ (h >> 32);
  };
  std::uint64_t h = word.size() * kMul;
  if (word.size() < 8) return mix(h, short_word_bits(word));
  std::size_t i = 0;
  for (; i + 8 < word.size(); i += 8) h = mix(h, load8(word.data() + i));
  return mix(h, load8(word.data() + word.size() - 8));
}
