// "!stats": where each lesson stands, and the answers of the last days.
#pragma once

#include <string>

struct Trf_book;

// What the history of one lesson says in one sense.
struct Lesson_stats {
  int entries = 0;
  int never_asked = 0;
  int known = 0;           // last answer right
  int to_work_on = 0;      // last answer wrong
  int answered_today = 0;  // in either sense
};

// The statistics of the history file `path` in sense `sens_qr` on day
// `today`. Fatal as the other listings on a broken history ("STATS error 0
// stop 1" and the like).
Lesson_stats lesson_stats(const std::string& path, int sens_qr, long today, Trf_book& book);

// Clears the lesson text view and shows a line per lesson of the catalogue
// (its entries, never asked, known, to work on, answered today, in the
// current sense), their totals, then the plot of the answers of the last
// 90 days read from the answer journal.
void SHOW_STATS(Trf_book& book);
