#include "operations.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "app/program.h"
#include "base/player.h"
#include "base/stop.h"
#include "catalogue/aliases.h"
#include "catalogue/lesson_paths.h"
#include "commands/command_entry.h"
#include "config/conf_reader.h"
#include "floors.h"
#include "history/index_build.h"
#include "history/lesson_load.h"
#include "history/lesson_record.h"
#include "session/announce.h"
#include "session/drill_press.h"
#include "session/session.h"
#include "timing.h"

namespace bench {

namespace {

// The program with no window and no sound: its screen shows nothing and
// answers No to the record question (the recording is timed by itself,
// through RECORD_LESSON).
struct Bench_book {
  Program program{std::make_unique<Null_player>()};
  Trf_book& book = program.book;
  Session& session = program.session;
  std::vector<std::string> histories;  // in lesson order

  Bench_book() {
    FURCH_SET(program.caract_win, book, program.G_kentel, program.ss_font_lesson,
              program.ss_font_vocab);
    if (!program.log.open("pimlo_log")) fail(1, "pimlo_bench: cannot open pimlo_log\n");
    CALC_INDEX(program.log, program.G_kentel, program.t_posit);
    book.sound = 0;
    book.sens_qr = 1;
    book.ilesson = 1;
    for (int k = 1; k <= book.nbt_lesson; ++k) {
      histories.push_back(S_IDX1_FROM_NUM(k, program.G_kentel).value_or(""));
    }
  }
};

// Announces lesson `ilesson` and confirms its drill (which loads it).
void begin_drill(Bench_book& b, int ilesson) {
  b.book.ilesson = ilesson;
  b.book.start_lesson = 0;
  CONFIRM0_LESSON(b.session, b.book);
  drill_press(3, b.session, b.book);
  drill_press(1, b.session, b.book);
  if (b.book.start_lesson != 3)
    fail(1, "pimlo_bench: the drill of lesson %d did not start\n", ilesson);
}

// One question answered: its answer shown, then the verdict (right for
// two questions in three).
std::vector<Cost> answer_questions(Bench_book& b, int count) {
  std::vector<Cost> press_times;
  for (int q = 0; q < count; ++q) {
    for (int button : {1, q % 3 == 2 ? 3 : 1}) {
      const double start = now();
      const double cpu_start = cpu_now();
      drill_press(button, b.session, b.book);
      press_times.push_back({now() - start, cpu_now() - cpu_start});
    }
  }
  return press_times;
}

// The history files a load of lesson `k` reads: its own, and those of the
// lessons its reference lines ("##name *alias") name.
std::vector<std::string> histories_read_by_load(const Bench_book& b, int k) {
  std::vector<std::string> files{b.histories[k - 1]};
  std::set<int> named;
  std::ifstream in(b.histories[k - 1]);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("##", 0) != 0) continue;
    const std::size_t star = line.find('*');
    if (star == std::string::npos) continue;
    std::string alias = line.substr(star + 1);
    alias = alias.substr(0, alias.find_first_of(" \r"));
    const int num = NUM_FROM_ALIAS(alias, b.program.G_kentel);
    if (num >= 1 && num != k && named.insert(num).second) files.push_back(b.histories[num - 1]);
  }
  return files;
}

// The inode of each file (0 when missing): a file replaced by a new version
// has a new one.
std::vector<ino_t> inodes(const std::vector<std::string>& paths) {
  std::vector<ino_t> found;
  for (const std::string& path : paths) {
    struct stat st {};
    found.push_back(::stat(path.c_str(), &st) == 0 ? st.st_ino : 0);
  }
  return found;
}

// Operations of a few milliseconds are repeated at least this many times at
// every size, so that a median is not that of two noisy runs.
constexpr int kShortReps = 6;

void measure_load_drill_record(Bench_book& b, int reps, Report& report) {
  reps = std::max(reps, kShortReps);  // a load and a recording take milliseconds
  const int big = b.book.nbt_lesson;  // the lesson of 1000 entries
  const std::vector<std::string> load_reads = histories_read_by_load(b, big);
  const Cost load = time_median(reps, [&] { INIT_LESSON(big, b.book); });
  const long gene_size = file_size("idx1_gene");
  const Cost load_floor = time_median(reps, [&] {
    cat_files(load_reads);
    write_bytes(".floor_gene", gene_size);
  });
  report.add("load a lesson of 1000 entries", load, load_floor);

  begin_drill(b, big);
  const Cost press = median(answer_questions(b, 100 * std::max(1, reps / 3)));
  const std::string copy = S_CPY_LESSON_FROM_NUM(big, b.program.G_kentel).value_or("");
  const Cost press_floor = time_median(200, [&] {
    read_range("idx1_gene", gene_size / 2, 200);
    read_range(copy, file_size(copy) / 2, 200);
  });
  report.add("drill press", press, press_floor);

  std::vector<Cost> records;
  std::set<std::string> rewritten;  // by any of the recordings
  for (int r = 0; r < reps; ++r) {
    begin_drill(b, big);
    answer_questions(b, 30);
    const std::vector<ino_t> before = inodes(load_reads);
    const double start = now();
    const double cpu_start = cpu_now();
    RECORD_LESSON(b.book);
    records.push_back({now() - start, cpu_now() - cpu_start});
    const std::vector<ino_t> after = inodes(load_reads);
    for (std::size_t i = 0; i < load_reads.size(); ++i) {
      if (after[i] != before[i]) rewritten.insert(load_reads[i]);
    }
  }
  // The floor reads the generated lesson and writes and syncs a copy of
  // every history file the recording replaced, references included.
  const Cost record_floor = time_median(reps, [&] {
    cat_files({"idx1_gene"});
    for (const std::string& path : rewritten) copy_file(path, ".floor_history", true);
  });
  report.add("record a drilled lesson", median(records), record_floor);
  b.book.start_lesson = 0;
}

// A command typed into the command entry; its floor reads the history files
// as far as the command read (at most all of them) and writes the files it
// wrote.
void measure_command(Bench_book& b, int reps, const std::string& command,
                     const std::vector<std::string>& written, Report& report) {
  const auto reset = [&] {
    b.book.ilesson = 1;
    b.book.start_lesson = 0;
  };
  // One run untimed first: the first command of a session also indexes the
  // lesson and alias lists (once, a few milliseconds at 10000 lessons), which
  // the two repetitions at 10000 lessons would otherwise average in.
  reset();
  const double first_start = now();
  callback_entry_book(command, b.session, b.book);
  const int runs = now() - first_start < 0.01 ? std::max(reps, kShortReps) : reps;
  long bytes_read = 0;
  const Cost cost = time_median(
      runs,
      [&] {
        const Io_count before = io_count();
        callback_entry_book(command, b.session, b.book);
        bytes_read = io_count().read - before.read;
      },
      reset);
  std::vector<long> sizes;
  for (const std::string& path : written) sizes.push_back(file_size(path));
  const Cost floor = time_median(runs, [&] {
    cat_files(b.histories, bytes_read);
    for (std::size_t i = 0; i < written.size(); ++i) write_bytes(".floor_out", sizes[i]);
  });
  report.add("\"" + command + "\"", cost, floor);
}

}  // namespace

void measure_operations(int reps, Report& report) {
  // PIMLO_BENCH_ONLY="!dico" times that command alone, "load" the load, the
  // drill press and the recording (for profiling).
  const char* only_env = std::getenv("PIMLO_BENCH_ONLY");
  const std::string only = only_env ? only_env : "";
  auto command = [&](Bench_book& b, const std::string& text, std::vector<std::string> written) {
    if (only.empty() || only == text) measure_command(b, reps, text, written, report);
  };
  try {
    Bench_book b;
    if (only.empty() || only == "load") measure_load_drill_record(b, reps, report);
    for (const char* generator : {"!new", "!worst", "!worsto", "!worsty", "!worstn", "!lessv",
                                  "!ntag animal", "!tag animal"}) {
      command(b, generator, {"idx2_gene"});
    }
    command(b, "!ltag", {"pimlo_ltag"});
    command(b, "!stats", {});
    command(b, "!dico", {"pimlo_dico1", "pimlo_dico"});
    // "!dico" sorts: beside its floor, the time sort(1) takes for its lines.
    if (only.empty() || only == "!dico") {
      std::vector<Cost> sorts;
      for (int r = 0; r < reps; ++r) {
        sorts.push_back(run_shell("LC_ALL=C sort pimlo_dico1 > .floor_out", ".").cost);
      }
      report.add("  sort(1) of the \"!dico\" lines", median(sorts), median(sorts));
    }
  } catch (const ProgramStop& stop) {
    std::fprintf(stderr, "pimlo_bench: the program stopped with status %d\n", stop.status);
    std::exit(1);
  }
  for (const char* scratch : {".floor_gene", ".floor_history", ".floor_out"}) std::remove(scratch);
}

}  // namespace bench
