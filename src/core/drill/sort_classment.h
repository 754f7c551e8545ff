// The diagnostic listing of the drill table: both orders, rank by rank, with
// each element's stored error beside the error its history gives today.
#pragma once

struct Trf_posit;
struct Trf_err;
struct Trf_book;

// For each sense (Q->R first) prints, as trace lines, the rank, element,
// position, stored error, error recomputed by FCT_ERROR for day `today`, and
// the four history numbers of every rank 1 to nb_posit. Changes nothing and
// cannot fail; does no work at all while tracing is off. Elements outside
// the table are listed as such.
void SORT_CLASSMENT(const Trf_posit& t_posit, const Trf_err& t_err, long today);

// The same on the book's drill table and coefficients, for today (DIFF_JOUR).
void SORT_CLASSMENT(const Trf_book& book);
