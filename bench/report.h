// The figures of one benchmark run, written as tab-separated lines:
//
//   operation, wall s, cpu s, floor wall s, floor cpu s, peak KiB
#pragma once

#include <string>
#include <vector>

#include "timing.h"

namespace bench {

class Report {
 public:
  // One figure: the median cost of `operation` and of its floor, and a peak
  // memory in KiB (0 when not measured).
  void add(const std::string& operation, Cost cost, Cost floor, long peak_kib = 0);

  // Writes every figure to `path`, one line each; false when it cannot.
  bool write(const std::string& path) const;

 private:
  struct Figure {
    std::string operation;
    Cost cost;
    Cost floor;
    long peak_kib;
  };
  std::vector<Figure> figures_;
};

}  // namespace bench
