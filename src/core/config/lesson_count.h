// The number of lessons a lesson list stands for.
#pragma once

#include <string_view>

// Walks the words of `mem_pages` (separated by spaces): a word without "->"
// counts 1, a word with a range counts the distance between its two numbers
// plus 1 (EXTRACT1_2NB). Lists read from pimlo.conf hold expanded names, so
// the count is their number of words unless a file's own path holds "->".
// The count saturates at INT_MAX. Cannot fail.
int KLASK_NB_PAJ(std::string_view mem_pages);
