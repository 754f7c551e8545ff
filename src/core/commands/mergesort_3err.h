// The three-key order of the worst-words lessons: three keys, each
// descending, a word with a negative first key before all others.
#pragma once

#include <array>
#include <vector>

// Three keys of one word in elements 1 to 3 (element 0 is not used).
using Key_triple = std::array<long, 4>;

// -1 when `err1` comes first, 1 when `err2` comes first, 0 when they rank
// equal. A negative first key comes before every other; two negative first
// keys rank equal whatever the other keys. Otherwise the greater first key
// comes first, then the greater second, then the greater third. Pure.
int CMP_3GERR(const Key_triple& err1, const Key_triple& err2);

// Sorts ranks `left0` to `right0` of the order array `num` (slot numbers)
// by the triples (cum_err[s], nb_nok[s], date[s]) of CMP_3GERR, any three
// key arrays indexed by slot. Stable: equal triples keep their relative
// order. Prints the ranks as traces before and after. Does nothing when
// right0 <= left0. The ranks must lie within `num` and the slots within the
// key arrays.
void MERGESORT_3ERR(int left0, int right0, std::vector<int>& num, const std::vector<long>& cum_err,
                    const std::vector<long>& nb_nok, const std::vector<long>& date);
