// How a drill has gone so far: the verdicts given since its lesson was
// loaded, as the status bar and the record question show them.
#pragma once

#include <optional>
#include <string>

#include "drill/marking.h"

struct Trf_posit;

struct Drill_tally {
  int right = 0;
  int wrong = 0;
  int skipped = 0;
  // The verdict an undo would take back: the last one other than a skip,
  // as the marking keeps it (UNDO_ANSWER).
  std::optional<Verdict> undoable;

  // Counts `verdict` as MARK_ANSWER gave it; an ignored one counts nothing.
  // Cannot fail.
  void count(Verdict verdict);
  // The undo took back the undoable verdict. Cannot fail.
  void take_back();
};

// "asked N of M · right R · wrong W · skipped S" (CP1252): N is the number
// of elements of `t_posit` given a verdict other than a skip since the load
// (so N stays within the lesson's M elements, which the first run asks
// once each), M its nb_posit. Cannot fail.
std::string drill_summary(const Drill_tally& tally, const Trf_posit& t_posit);
