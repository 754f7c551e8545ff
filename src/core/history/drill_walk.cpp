#include "history/drill_walk.h"

#include <algorithm>
#include <vector>

#include "base/stop.h"

namespace {

// Small: a rewrite forgets the window, and the next read fills it again.
constexpr std::size_t kHistoryWindow = 8 * 1024;

// Bytes of the line from `offset` to `next` (where aln_getline left off)
// before its line end, as they stand in the file: the line reader may have
// expanded tabs or converted the text. A line holds no CR or LF, so its end
// is the run of them right before `next`.
std::size_t raw_length(LineReader& fp, long offset, long next) {
  while (next > offset) {
    const int c = fp.byte_at(next - 1);
    if (c != '\r' && c != '\n') break;
    --next;
  }
  return static_cast<std::size_t>(next - offset);
}

void read_stat_line(LineReader& fp, long& nc, Stat_at& line) {
  line.offset = nc;
  if (aln_getline(nc, line.text, fp) < 0) {
    line.text.clear();
    line.length = 0;
    return;
  }
  line.length = raw_length(fp, line.offset, nc);
}

}  // namespace

// A handle left without close() (a stop in the middle of a walk) drops
// its rewritten lines: a file is recorded whole or not at all.
History_handle::~History_handle() {
  abandon();
}

bool History_handle::open(const std::string& path, bool for_writing) {
  close();
  if (!reader_.open(path, kHistoryWindow)) return false;
  if (for_writing && !rewrite_.open(path)) {
    reader_.close();
    return false;
  }
  path_ = path;
  return true;
}

bool History_handle::close() {
  const bool ok = rewrite_.commit();
  reader_.close();
  path_.clear();
  changed_ = false;
  return ok;
}

void History_handle::abandon() {
  rewrite_.abandon();
  reader_.close();
  path_.clear();
  changed_ = false;
}

void History_handle::read_stat_lines(long nc1, Stat_at& qr, Stat_at& rq) {
  long nc = nc1;
  read_stat_line(reader_, nc, qr);
  read_stat_line(reader_, nc, rq);
}

// The first rewrite makes the copy: reading goes on there, where the
// rewritten lines are.
bool History_handle::write_at(long offset, std::string_view bytes) {
  if (bytes.empty()) return true;
  if (!rewrite_.is_open() || offset < 0) return false;
  changed_ = true;
  const bool was_staged = rewrite_.staged();
  const bool ok = rewrite_.write_at(offset, bytes);
  if (!was_staged && rewrite_.staged()) {
    if (!reader_.open(rewrite_.current_path(), kHistoryWindow)) return false;
  } else {
    reader_.invalidate();
  }
  return ok;
}

namespace {

[[noreturn]] void history_failure(const char* what, const char* who, const std::string& path,
                                  LogFile& fp_log) {
  fp_log.fail_on(path, kExitBadInput, "%s cannot %s %s stop \n", who, what, path.c_str());
}

}  // namespace

void use_history(History_handle& history, const std::string& path, bool for_writing,
                 const char* who, LogFile& fp_log) {
  if (history.is_open() && history.path() == path) return;
  finish_history(history, who, fp_log);
  if (!history.open(path, for_writing)) history_failure("open", who, path, fp_log);
}

void finish_history(History_handle& history, const char* who, LogFile& fp_log) {
  const std::string path = history.path();
  if (!history.close()) history_failure("write", who, path, fp_log);
}

History_handle& History_shelf::use(const std::string& path) {
  current_ = path;
  if (!open_.empty() && open_.back()->path() == path) return *open_.back();
  for (auto it = open_.begin(); it != open_.end(); ++it) {
    if ((*it)->path() != path) continue;
    std::rotate(it, it + 1, open_.end());
    return *open_.back();
  }
  if (open_.size() >= kOpen) {
    finish_history(*open_.front(), who_, fp_log_);
    open_.erase(open_.begin());
  }
  auto handle = std::make_unique<History_handle>();
  use_history(*handle, path, for_writing_, who_, fp_log_);
  open_.push_back(std::move(handle));
  return *open_.back();
}

void History_shelf::finish() {
  while (!open_.empty()) {
    finish_history(*open_.front(), who_, fp_log_);
    open_.erase(open_.begin());
  }
}
