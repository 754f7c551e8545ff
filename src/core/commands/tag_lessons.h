// The tag lessons ("!ntag", "!tag"): the completion pass of the worst-tag
// lesson and its listing. The generators themselves, NEW_TAG_LESSON and
// WORST_TAG_LESSON, are declared in generators.h; tag_match.h says which
// records carry a tag.
#pragma once

#include <string>
#include <vector>

class Gene_file;
struct Trf_book;

// The completion pass of the worst-tag lesson over lessons prev_lesson + 1
// to nbt_lesson with the open generated lesson file `fp_gene`: among the
// records with tag `ss_tag`, every word asked in the sense drilled and not
// today whose error is above the error at the last rank enters
// (worst_selection.h says how). Nothing when prev_lesson is not below
// nbt_lesson. Fatal as the generators.
void COMPLETE_TAG_LESSON(int prev_lesson, Gene_file& fp_gene, const std::string& ss_tag,
                         Trf_book& book);
void COMPLETE_TAG_LESSON(int prev_lesson, Gene_file& fp_gene, const std::string& ss_tag,
                         Trf_book& book, long today);

// Prints the first and last errors and ranks 1 to `nb_words` of the order
// `ord_posit` with their errors `cum_err`, as trace lines. Nothing else.
void SORT_COMPLETE(long err_sup, long err_min, int nb_words, const std::vector<int>& ord_posit,
                   const std::vector<long>& cum_err, Trf_book& book);
