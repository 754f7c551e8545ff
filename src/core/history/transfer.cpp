// Transfer: history files of the old single-line form converted into the
// current form, in "./IDX1_TRF/". The history files themselves are not
// changed; the user moves the converted files into the history directory.
//
// An old record is a key line and one line of six 12-character fields:
// interrogations n, wrong answers w and day d of the last interrogation,
// first for Q->R, then for R->Q. Each sense becomes one statistics line:
//   right answers n - w; wrong answers w;
//   day of the last right answer d (0 when every answer was wrong);
//   day of the last wrong answer d - 1 (0 when there was none, or below 0).
// Lines of the converted file end with "\n" alone.
//
// A file already in the current form would read as old records whose
// statistics lines are all faulty: its first record of the current form
// (a key line followed by a statistics line of four fields) leaves it out.
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>

#include "base/stop.h"
#include "base/trace.h"
#include "catalogue/lesson_paths.h"
#include "drill/day_number.h"
#include "history/history_format.h"
#include "history/history_reader.h"
#include "history/maintenance.h"

namespace {

constexpr const char* kTransferDirectory = "./IDX1_TRF";

// The statistics line of one sense from its interrogations, wrong answers
// and day.
std::string converted_line(long asked, long wrong, long day) {
  const long date_ok = asked == wrong ? 0 : day;
  const long date_nok = wrong == 0 ? 0 : std::max(day - 1, 0L);
  return stat_line(asked - wrong, wrong, date_ok, date_nok) + "\n";
}

[[noreturn]] void cannot_write(LogFile& fp_log, const std::string& s_trf) {
  fp_log.fail(kExitBadInput, "TRF_IDX1_FILE cannot write %s stop \n", s_trf.c_str());
}

}  // namespace

Transfer_outcome TRF_IDX1_FILE(LogFile& fp_log, const std::string& s_idx1,
                               const std::string& s_trf) {
  const long today = DIFF_JOUR();
  LineReader in;
  if (!in.open(s_idx1)) {
    fp_log.write("TRF_IDX1_FILE no history file %s: skipped \n", s_idx1.c_str());
    return Transfer_outcome::missing;
  }
  AtomicFile out;
  if (!out.open(s_trf)) cannot_write(fp_log, s_trf);

  History_reader reader(in, s_idx1);
  reader.skip_header({"TRF_IDX1_FILE", Reader_name::Voice::listing}, fp_log,
                     [&out](std::string_view line) {
                       out.write(line);
                       out.write("\n");
                     });

  bool faulty = false;
  std::string old_line;
  while (reader.next_line()) {
    if (!reader.at_key_line() && !reader.at_reference_line()) continue;
    out.write(reader.line());
    out.write("\n");
    if (reader.at_reference_line()) continue;
    if (!reader.next_raw_line(old_line)) {
      fp_log.write("Error no detection of values icont=%d stop \n", 0);
      fp_log.write("in file : %s \n", s_idx1.c_str());
      fail(2, "TRF_IDX1_FILE error 1 stop 2 \n");
    }
    if (has_stat_line_layout(old_line)) {
      out.abandon();
      fp_log.write("TRF_IDX1_FILE %s is not in the old single-line form: left out \n",
                   s_idx1.c_str());
      return Transfer_outcome::not_old_form;
    }
    std::array<long, 7> v{};
    if (CHECK_EXTRACT_6LINT(today, old_line, v) != 0) {
      fp_log.write("TRF_IDX1_FILE and CHECK_6LINTsome error in file : %s \n", s_idx1.c_str());
      faulty = true;
    }
    out.write(converted_line(v[1], v[2], v[3]));
    out.write(converted_line(v[4], v[5], v[6]));
  }

  out.write("# END_OF_FILE * " + std::to_string(out.size()) + " \n");
  if (!out.commit()) cannot_write(fp_log, s_trf);
  fp_log.write("TRF_IDX1_FILE done\n");
  return faulty ? Transfer_outcome::corrected : Transfer_outcome::done;
}

bool Transfer_report::all_done() const {
  return std::all_of(files.begin(), files.end(),
                     [](const auto& file) { return file.second == Transfer_outcome::done; });
}

Transfer_report TRF_ALL_DBASE(Trf_book& book) {
  if (DIR* d = ::opendir(kTransferDirectory)) {
    ::closedir(d);
  } else {
    say("Create directory IDX1_TRF \n");
    ::mkdir(kTransferDirectory, 0777);
  }
  Transfer_report report;
  for (int k = 1; k <= book.nbt_lesson; ++k) {
    const std::string idx1 = S_IDX1_FROM_NUM(k, book.G_kentel).value_or("");
    const std::string trf =
        std::string(kTransferDirectory) + "/" + FILENAME_FROM_PATH(idx1).value_or("");
    report.files.emplace_back(idx1, TRF_IDX1_FILE(book.fp_log, idx1, trf));
  }
  return report;
}
