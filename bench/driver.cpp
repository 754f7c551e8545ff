// pimlo_bench: times the start-ups and the window's operations on one
// catalogue made by make_catalogue.py, each beside its floor (the same bytes
// read and written plainly), and writes one line per figure:
//
//   operation, wall s, cpu s, floor wall s, floor cpu s, peak KiB
//
// (medians, tab-separated; the cpu figures are processor time, user and
// system, of this process or of the child).
//
// Usage: pimlo_bench PIMLO_X CATALOGUE_DIR MAKE_CATALOGUE_PY REPS OUT_FILE
//
// With PIMLO_BENCH_SKIP_STARTS set in the environment the start-ups are left
// out (for profiling the operations on a catalogue already built); with
// PIMLO_BENCH_ONLY set to one command ("!dico") only that command is timed,
// set to "load" only the load, the drill press and the recording.
//
// The start-ups are runs of pimlo.x itself without a display (it stops right
// after the index build), the unchanged one also with the lessons named as
// one range (pimlo_range.conf) instead of one by one; every other figure
// comes from the same code paths the window drives, headless
// (operations.cpp). The catalogue is changed: its working copies and
// histories are rebuilt, answers are filled in, one lesson is edited,
// lessons are drilled and recorded.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "floors.h"
#include "operations.h"
#include "report.h"
#include "timing.h"

namespace fs = std::filesystem;

namespace {

struct Args {
  std::string pimlo;
  std::string dir;
  std::string generator;
  int reps = 5;
  std::string out;
};

// The lessons of the catalogue, as make_catalogue.py names them.
int count_lessons(const std::string& dir) {
  int n = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(dir) / "lessons")) {
    if (entry.path().extension() == ".txt") ++n;
  }
  return n;
}

std::string lesson_file(int k) {
  char name[32];
  std::snprintf(name, sizeof name, "L%d.txt", k);
  return name;
}

void run_generator(const Args& args, const std::string& what) {
  const std::string command = "python3 '" + args.generator + "' " + what;
  if (std::system(command.c_str()) != 0) {
    std::fprintf(stderr, "pimlo_bench: %s failed\n", command.c_str());
    std::exit(1);
  }
}

// Times a start of pimlo.x; it must stop with status 1 (no display).
bench::Child_run start_once(const Args& args) {
  bench::Child_run run = bench::run_child({args.pimlo}, args.dir);
  if (run.status != 1) {
    std::fprintf(stderr, "pimlo_bench: pimlo.x ended with status %d in %s\n", run.status,
                 args.dir.c_str());
    std::exit(1);
  }
  return run;
}

struct Start_figures {
  bench::Cost cost;
  long peak_kib = 0;
};

Start_figures time_starts(const Args& args, int reps, const std::function<void()>& before) {
  std::vector<bench::Cost> samples;
  Start_figures figures;
  for (int r = 0; r < reps; ++r) {
    if (before) before();
    const bench::Child_run run = start_once(args);
    samples.push_back(run.cost);
    figures.peak_kib = std::max(figures.peak_kib, run.peak_kib);
  }
  figures.cost = bench::median(samples);
  return figures;
}

// The median cost of the shell command `command` (its processor time is
// that of the shell and the tools it ran); `cleanup` runs before each
// repetition, untimed.
bench::Cost time_shell(const Args& args, int reps, const std::string& command,
                       const std::string& cleanup) {
  std::vector<bench::Cost> samples;
  for (int r = 0; r < reps; ++r) {
    bench::run_shell(cleanup, args.dir);
    samples.push_back(bench::run_shell(command, args.dir).cost);
  }
  return bench::median(samples);
}

// The lines of the log of the last start that say a history was up to date.
int up_to_date_in_log(const std::string& dir) {
  std::ifstream log(fs::path(dir) / "pimlo_log");
  int count = 0;
  for (std::string line; std::getline(log, line);) {
    if (line.find(" is up to date ") != std::string::npos) ++count;
  }
  return count;
}

// Unchanged start-ups with pimlo_range.conf, which names the `n` lessons as
// one range, in place of pimlo.conf; each must find all `n` up to date.
Start_figures time_starts_listed_as_range(const Args& args, int n) {
  const fs::path dir(args.dir);
  fs::copy_file(dir / "pimlo.conf", dir / "pimlo_listed.conf",
                fs::copy_options::overwrite_existing);
  fs::copy_file(dir / "pimlo_range.conf", dir / "pimlo.conf", fs::copy_options::overwrite_existing);
  const Start_figures figures = time_starts(args, args.reps, nullptr);
  if (up_to_date_in_log(args.dir) != n) {
    std::fprintf(stderr, "pimlo_bench: the range did not name the %d lessons (see pimlo_log)\n", n);
    std::exit(1);
  }
  fs::rename(dir / "pimlo_listed.conf", dir / "pimlo.conf");
  return figures;
}

void measure_starts(const Args& args, bench::Report& report) {
  const fs::path dir(args.dir);
  auto forget_builds = [&] {
    for (const char* name : {"CPY", "IDX1", "idx1_old", "pimlo_log"}) fs::remove_all(dir / name);
  };
  const Start_figures first = time_starts(args, args.reps, forget_builds);
  const std::string cleanup = "rm -rf .floor_a .floor_b";
  const bench::Cost first_floor =
      time_shell(args, args.reps,
                 "cp -r lessons .floor_a && cat CPY/* > /dev/null && cp -r IDX1 .floor_b", cleanup);
  report.add("start-up, first (all built)", first.cost, first_floor, first.peak_kib);

  run_generator(args, "answers '" + args.dir + "'");
  const Start_figures same = time_starts(args, args.reps, nullptr);
  const std::string stat_all = "cat pimlo.conf > /dev/null && ls -l lessons CPY IDX1 > /dev/null";
  const bench::Cost same_floor = time_shell(args, args.reps, stat_all, cleanup);
  report.add("start-up, nothing changed", same.cost, same_floor, same.peak_kib);

  const int n = count_lessons(args.dir);
  const Start_figures range = time_starts_listed_as_range(args, n);
  report.add("start-up, nothing changed, one range", range.cost, same_floor, range.peak_kib);

  const std::string changed = lesson_file(n / 2 + 1);
  const Start_figures touched = time_starts(args, args.reps, [&] {
    run_generator(args, "touch '" + args.dir + "' " + std::to_string(n / 2 + 1));
  });
  const bench::Cost touched_floor =
      time_shell(args, args.reps,
                 stat_all + " && cp lessons/" + changed + " .floor_a && cat CPY/" + changed +
                     " > /dev/null && cp IDX1/idx1_" + changed + " .floor_b",
                 cleanup);
  report.add("start-up, one lesson changed", touched.cost, touched_floor, touched.peak_kib);
  bench::run_shell(cleanup, args.dir);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6) {
    std::fprintf(stderr, "usage: pimlo_bench PIMLO_X CATALOGUE_DIR MAKE_CATALOGUE_PY REPS OUT\n");
    return 2;
  }
  Args args{fs::absolute(argv[1]).string(), fs::absolute(argv[2]).string(),
            fs::absolute(argv[3]).string(), std::max(1, std::atoi(argv[4])), argv[5]};
  bench::Report report;
  if (std::getenv("PIMLO_BENCH_SKIP_STARTS") == nullptr) measure_starts(args, report);
  fs::current_path(args.dir);
  bench::measure_operations(args.reps, report);
  report.add("peak memory, operations", {}, {}, bench::own_peak_kib());
  return report.write(args.out) ? 0 : 1;
}
