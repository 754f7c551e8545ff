#include "history/gene_file.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "base/log_file.h"
#include "base/stop.h"
#include "history/history_format.h"
#include "text/line_reader.h"
#include "text/number_fields.h"

namespace {

// A key line is one short line: a small window reads it with one call.
constexpr std::size_t kKeyWindow = 4096;

// The entries go out in blocks of this size rather than stdio's default.
constexpr std::size_t kWriteBuffer = 64 * 1024;

void read_pointer_line(LineReader& gene, long& nc, int k, const char* who, LogFile& fp_log,
                       const std::string& current_path, Slot_record& slot) {
  thread_local std::string ss;  // kept: its room serves every line of a walk
  if (aln_getline(nc, ss, gene) < 0) {
    fp_log.write("%s error 1 stop 2 \n", who);
    fp_log.write("Error no detection of values icont=%d stop \n", k);
    fp_log.write("in file : %s \n", current_path.c_str());
    fail(kExitCutShort, "%s error 1 stop 2 \n", who);
  }
  // " path * nc1 ": the path is the first word, nc1 the number after the "*".
  const std::string_view line(ss);
  const std::size_t begin = line.find_first_not_of(' ');
  const std::size_t end = begin == std::string::npos ? line.size() : line.find(' ', begin);
  if (begin == std::string::npos) {
    slot.path.clear();
  } else {
    slot.path.assign(line.substr(begin, std::min(end, line.size()) - begin));
  }
  const std::size_t star = line.find('*', std::min(end, line.size()));
  std::optional<long> nc1;
  if (star != std::string::npos) nc1 = first_lint(line.substr(star + 1));
  if (!nc1) {
    fp_log.write("RECORD_FILE error cannot extract nc1 \n");
    fp_log.write("ssd=%s@@@@ \n", ss.c_str());
    fail(kExitBadInput, "RECORD_FILE error cannot extract nc1 \n");
  }
  slot.nc1 = *nc1;
}

}  // namespace

const char* gene_file_of(int ilesson) {
  return ilesson == 0 ? "./idx2_gene" : "./idx1_gene";
}

Gene_file::Gene_file(int ilesson, const char* who, LogFile& fp_log)
    : path_(gene_file_of(ilesson)),
      buffer_(std::make_unique_for_overwrite<char[]>(kWriteBuffer)),
      fp_(std::fopen(path_, "wb")),
      who_(who),
      fp_log_(fp_log) {
  if (!fp_) failure("create");
  // Given no buffer, stdio would keep its own of one disk block whatever
  // the size asked for.
  std::setvbuf(fp_.get(), buffer_.get(), _IOFBF, kWriteBuffer);
}

Gene_file::~Gene_file() = default;

long Gene_file::add_entry(std::string_view key_line, const std::string& history_path, long nc1) {
  const long offset = size_;
  entry_.assign(key_line);
  entry_ += "\n ";
  entry_ += history_path;
  entry_ += " * ";
  char number[24];
  entry_.append(number, std::to_chars(number, number + sizeof number, nc1).ptr);
  entry_ += " \n";
  put(entry_);
  return offset;
}

void Gene_file::flush() {
  if (fp_ && std::fflush(fp_.get()) != 0) failure("write");
}

void Gene_file::finish() {
  put("# END_OF_FILE * " + std::to_string(size_) + " \n");
  close();
}

void Gene_file::close() {
  if (!fp_) return;
  if (std::fclose(fp_.release()) != 0) failure("write");
}

void Gene_file::put(std::string_view bytes) {
  if (!fp_ || std::fwrite(bytes.data(), 1, bytes.size(), fp_.get()) != bytes.size()) {
    failure("write");
  }
  size_ += static_cast<long>(bytes.size());
}

void Gene_file::failure(const char* what) {
  fp_.reset();
  fp_log_.fail(kExitBadInput, "%s cannot %s %s stop \n", who_, what, path_);
}

std::optional<std::string> entry_key_line(int ilesson, long posit) {
  LineReader gene;
  if (!gene.open(gene_file_of(ilesson), kKeyWindow)) return std::nullopt;
  return entry_key_line(gene, posit);
}

std::string entry_key_line(LineReader& gene, long posit) {
  std::string ss;
  aln_getline(posit, ss, gene);
  return ss;
}

std::optional<Slot_record> read_slot(LineReader& gene, long posit, int k, const char* who,
                                     LogFile& fp_log, const std::string& current_path) {
  long nc = posit;
  thread_local std::string ss;  // kept: its room serves every line of a walk
  if (aln_getline(nc, ss, gene) < 0) return std::nullopt;
  if (is_end_line(ss) || ss.empty() || ss[0] != '#') return std::nullopt;
  const std::optional<std::string_view> alias = key_line_alias(ss);
  if (!alias) {
    fp_log.write("%s no * in ssd=%s@@@ \n", who, ss.c_str());
    return std::nullopt;
  }
  Slot_record slot;
  slot.alias = *alias;
  read_pointer_line(gene, nc, k, who, fp_log, current_path, slot);
  return slot;
}

int walk_entries(LineReader& gene, const char* who, LogFile& fp_log,
                 const std::string& current_path,
                 const std::function<void(const Slot_record&)>& each) {
  bool started = false;
  int k = 0;
  long nc = 0;
  std::string ss;
  Slot_record slot;
  while (aln_getline(nc, ss, gene) >= 0 && !is_end_line(ss)) {
    if (!started && (ss.empty() || ss[0] != '#')) continue;
    started = true;
    read_pointer_line(gene, nc, ++k, who, fp_log, current_path, slot);
    each(slot);
  }
  return k;
}
