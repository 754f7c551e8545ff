#include "history/history_reader.h"

#include <array>

#include "base/log_file.h"
#include "base/stop.h"
#include "text/line_reader.h"

namespace {

// The table of old records looks no further for the marker line.
constexpr int kOldRecordsMarkerLines = 10000;

Sense_history logged_sense(const Reader_name& name, const std::string& path, int fault,
                           const std::array<long, 5>& v, LogFile& fp_log) {
  if (fault != 0) {
    fp_log.write("%s and CHECK_4LINTsome error in file : %s \n", name.who, path.c_str());
  }
  return Sense_history{v[1], v[2], v[3], v[4]};
}

Sense_history checked_sense(const Reader_name& name, const std::string& path, long today,
                            std::string_view line, LogFile& fp_log) {
  std::array<long, 5> v{};
  const int fault = CHECK_EXTRACT_4LINT(today, line, v);
  return logged_sense(name, path, fault, v, fp_log);
}

[[noreturn]] void cut_short(const Reader_name& name, const std::string& path, int icont,
                            int sens_qr, LogFile& fp_log) {
  if (name.names_itself_in_log) {
    fp_log.write("%s Error no detection of values icont=%d stop \n", name.who, icont);
  } else {
    fp_log.write("Error no detection of values icont=%d stop \n", icont);
  }
  fp_log.write("in file : %s \n", path.c_str());
  if (sens_qr == 1) fail_on(path, kExitCutShort, "%s error 1 stop 2 \n", name.who);
  fail_on(path, kExitNotFound, "%s %s \n", name.who, name.rq_cut);
}

}  // namespace

Record_counts checked_record(const Reader_name& name, const std::string& path, int icont,
                             long today, const std::optional<std::string>& qr,
                             const std::optional<std::string>& rq, LogFile& fp_log) {
  Record_counts counts;
  if (!qr) cut_short(name, path, icont, 1, fp_log);
  counts.qr = checked_sense(name, path, today, *qr, fp_log);
  if (!rq) cut_short(name, path, icont, 2, fp_log);
  counts.rq = checked_sense(name, path, today, *rq, fp_log);
  return counts;
}

void History_reader::skip_header(const Reader_name& name, LogFile& fp_log,
                                 const std::function<void(std::string_view)>& header) {
  using Voice = Reader_name::Voice;
  const bool limited = name.voice == Voice::old_records;
  nc_ = 0;
  for (int i = 0; !limited || i < kOldRecordsMarkerLines; ++i) {
    if (aln_getline_view(nc_, line_, spare_, fp_) < 0) break;
    if (header) header(line_);
    if (is_marker_line(line_)) return;
  }
  fp_log.write("Error no detection of ####### stop \n");
  fp_log.write("%s file : %s \n", name.voice == Voice::drill ? "in" : "n", path_.c_str());
  switch (name.voice) {
    case Voice::drill:
      fail_on(path_, kExitBadInput, "%s error 0 stop 1 \n", name.who);
    case Voice::listing:
      fail(kExitBadInput, "%s error 0 stop 1 \n", name.who);
    case Voice::old_records:
      break;
  }
  fail(kExitBadInput, "Error no detection of ####### stop \n");
}

namespace {

// A statistics line as written, at `nc` of `fp`: taken into `line`, `nc`
// moved past it, without the line reader's search for the line end.
bool take_written_stat_line(LineReader& fp, long& nc, std::string_view& line) {
  const std::string_view bytes = fp.bytes_from(nc);
  if (!begins_with_written_stat_line(bytes)) return false;
  line = bytes.substr(0, kStatLineLength);
  nc += static_cast<long>(kStatLineLength + 2);
  return true;
}

}  // namespace

bool History_reader::next_line() {
  offset_ = nc_;
  if (take_written_stat_line(fp_, nc_, line_)) return !is_end_line(line_);
  return aln_getline_view(nc_, line_, spare_, fp_) >= 0 && !is_end_line(line_);
}

bool History_reader::next_raw_line(std::string& into) {
  return aln_getline(nc_, into, fp_) >= 0;
}

Sense_history History_reader::next_sense(const Reader_name& name, int icont, int sens_qr,
                                         long today, LogFile& fp_log) {
  std::array<long, 5> v{};
  if (const Written_stats read = next_written_stats(today, v); read != Written_stats::not_written) {
    return logged_sense(name, path_, read == Written_stats::faulty ? 1 : 0, v, fp_log);
  }
  std::string_view stats;
  if (aln_getline_view(nc_, stats, stat_spare_, fp_) < 0) {
    cut_short(name, path_, icont, sens_qr, fp_log);
  }
  return checked_sense(name, path_, today, stats, fp_log);
}

Written_stats History_reader::next_written_stats(long today, std::array<long, 5>& v) {
  const Written_stats read = check_extract_written_line(today, fp_.bytes_from(nc_), v);
  if (read != Written_stats::not_written) nc_ += static_cast<long>(kStatLineLength + 2);
  return read;
}

// The key line is read again when the window moved on under it, which
// happens once in a window's length of the file.
Record_counts History_reader::read_record(const Reader_name& name, int icont, long today,
                                          LogFile& fp_log) {
  const std::size_t fills = fp_.fills();
  Record_counts counts;
  counts.stats_offset = nc_;
  counts.qr = next_sense(name, icont, 1, today, fp_log);
  counts.rq = next_sense(name, icont, 2, today, fp_log);
  if (fp_.fills() != fills && line_.data() != spare_.data()) {
    long at = offset_;
    aln_getline_view(at, line_, spare_, fp_);
  }
  return counts;
}
