// The program's own check of the drill orders: a sorted order is what the
// question choice relies on, so an order found unsorted ends the program
// with a listing of it.
#pragma once

struct Trf_posit;
struct Trf_book;
class LogFile;

// True when ranks `first` to `last` (clamped to 1 to nb_posit) of the order
// of sense `sens_qr` hold elements 1 to nb_posit whose errors never rise, a
// negative error counting as 500000. Linear in the ranks; cannot fail.
bool order_sorted_between(const Trf_posit& t_posit, int sens_qr, int first, int last);

// Checks both orders over all ranks, Q->R first. At the first one found
// unsorted (or holding an element outside 1 to nb_posit) it prints on
// standard output and writes into `log` a blank line, "VERIF_CLASSMENT Sens
// QR error present sens_qr=%d\n" (or "... Sens RQ ..."; `sens_qr` is the
// book's sense), a blank line and one line "%d  elem=%d  err=%ld \n" per rank,
// then stops the program with exit status 11. An empty table passes.
void VERIF_CLASSMENT(const Trf_posit& t_posit, int sens_qr, LogFile& log);

// The same on the book's drill table, sense and log (no log when it has none).
void VERIF_CLASSMENT(const Trf_book& book);

// VERIF_CLASSMENT's report for the order of sense `order_sense`, for a fault
// found elsewhere (an order that does not hold an element): the listing as
// above, then exit status 11. Never returns.
[[noreturn]] void report_broken_order(const Trf_posit& t_posit, int order_sense, int sens_qr,
                                      LogFile& log);
