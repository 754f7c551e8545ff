// The numbers of the tags met so far, looked up by the word as it stands in
// a key line: the tag tally asks once for every tag of every entry, so the
// lookup neither copies the word nor goes through a node per tag.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class Tag_word_index {
 public:
  // The number given to `word`, or 0 when it has none. Cannot fail.
  int find(std::string_view word) const;

  // Gives `word` the next number (1 for the first word) and returns it.
  // Cannot fail; `word` must have no number yet.
  int add(std::string_view word);

 private:
  void grow();

  std::vector<std::string> words_{std::string()};     // words_[k]: the word of number k
  std::vector<int> slots_ = std::vector<int>(64, 0);  // open addressing; 0: free
};
