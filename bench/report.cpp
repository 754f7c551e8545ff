#include "report.h"

#include <cstdio>

namespace bench {

void Report::add(const std::string& operation, Cost cost, Cost floor, long peak_kib) {
  figures_.push_back({operation, cost, floor, peak_kib});
  std::fprintf(stderr, "%-32s %11.6f s (cpu %9.6f)  floor %11.6f s (cpu %9.6f)  %ld KiB\n",
               operation.c_str(), cost.wall, cost.cpu, floor.wall, floor.cpu, peak_kib);
}

bool Report::write(const std::string& path) const {
  std::FILE* out = std::fopen(path.c_str(), "w");
  if (out == nullptr) return false;
  for (const Figure& f : figures_) {
    std::fprintf(out, "%s\t%.9f\t%.9f\t%.9f\t%.9f\t%ld\n", f.operation.c_str(), f.cost.wall,
                 f.cost.cpu, f.floor.wall, f.floor.cpu, f.peak_kib);
  }
  return std::fclose(out) == 0;
}

}  // namespace bench
