// Shared by the configuration fuzz targets: a scratch working directory with
// a few lesson files, and the bound that keeps range expansion quick.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "fuzz_support.h"

namespace lesson_dir {

// Makes a fresh temporary directory holding a few lesson files, changes into
// it, and removes it when the process exits. Traces and messages are thrown
// away.
inline void enter(const char* name) {
  fuzz::enter_scratch_dir(name);
  for (const char* f : {"a.txt", "w1.txt", "w2.txt", "w3.txt", "les1.txt", "les3.txt", "1", "2",
                        "d/u1_p2.txt", "d/u2_p1.txt", "d/x.txt", "d2/x.txt", "IDX1/k"}) {
    const std::filesystem::path parent = std::filesystem::path(f).parent_path();
    if (!parent.empty()) std::filesystem::create_directories(parent);
    std::ofstream(f) << "!# alias\n";
  }
}

// True when the ranges written in `text` may stand for more than `limit`
// names in all. Every range spans at most M + 1 numbers, M being the largest
// number written next to an arrow (an inner range may start at an outer
// number, never above M), so (M + 1) ^ arrows bounds every expansion.
inline bool too_many_names(std::string_view text, double limit) {
  double bound = 1;
  long long largest = 0;
  int arrows = 0;
  auto digits_value = [](std::string_view run) {
    long long v = 0;
    for (char c : run) v = v > 1'000'000'000 ? v : v * 10 + (c - '0');
    return v;
  };
  auto is_digit = [](char c) { return c >= '0' && c <= '9'; };
  for (std::size_t at = text.find("->"); at != std::string_view::npos;
       at = text.find("->", at + 1)) {
    std::size_t begin = at;
    while (begin > 0 && is_digit(text[begin - 1])) --begin;
    std::size_t end = at + 2;
    while (end < text.size() && is_digit(text[end])) ++end;
    largest = std::max({largest, digits_value(text.substr(begin, at - begin)),
                        digits_value(text.substr(at + 2, end - at - 2))});
    ++arrows;
  }
  for (int k = 0; k < arrows && bound <= limit; ++k) bound *= static_cast<double>(largest + 1);
  return bound > limit;
}

}  // namespace lesson_dir
