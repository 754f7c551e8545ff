#include "drill/drill_tally.h"

#include "base/stop.h"
#include "drill/trf_posit.h"

void Drill_tally::count(Verdict verdict) {
  switch (verdict) {
    case Verdict::right:
      ++right;
      break;
    case Verdict::wrong:
      ++wrong;
      break;
    case Verdict::skipped:
      ++skipped;
      return;  // a skip leaves the previous verdict undoable
    case Verdict::unchanged:
      break;
    case Verdict::ignored:
      return;
  }
  undoable = verdict;
}

void Drill_tally::take_back() {
  if (undoable == Verdict::right) --right;
  if (undoable == Verdict::wrong) --wrong;
  undoable.reset();
}

std::string drill_summary(const Drill_tally& tally, const Trf_posit& t_posit) {
  int asked = 0;
  for (int e = 1; e <= t_posit.nb_posit; ++e)
    if (t_posit.elem_nevez[static_cast<std::size_t>(e)] > 0) ++asked;
  return formatted("asked %d of %d \xB7 right %d \xB7 wrong %d \xB7 skipped %d", asked,
                   t_posit.nb_posit, tally.right, tally.wrong, tally.skipped);
}
