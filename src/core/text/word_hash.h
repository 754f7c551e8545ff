// A hash of a short word (a tag, a lesson name, an alias) for the
// open-addressing tables that look words up by the text as it stands, without
// copying it.
#pragma once

#include <cstdint>
#include <string_view>

// Mixes the word's bytes eight at a time; every bit of the result depends on
// every byte. Cannot fail.
std::uint64_t word_hash(std::string_view word);
