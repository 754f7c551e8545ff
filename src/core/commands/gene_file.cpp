#include "commands/gene_file.h"

#include "base/log_file.h"
#include "base/stop.h"
#include "history/lesson_record.h"

Gene_file::Gene_file(const char* who, LogFile& fp_log)
    : fp_(std::fopen(gene_file_of(0), "w+b")), who_(who), fp_log_(fp_log) {
  if (!fp_) failure("create");
}

Gene_file::~Gene_file() = default;

const char* Gene_file::path() const {
  return gene_file_of(0);
}

long Gene_file::add_entry(const std::string& key_line, const std::string& history_path, long nc1) {
  const long offset = size_;
  put(key_line + "\n " + history_path + " * " + std::to_string(nc1) + " \n");
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

void Gene_file::put(const std::string& bytes) {
  if (!fp_ || std::fwrite(bytes.data(), 1, bytes.size(), fp_.get()) != bytes.size()) {
    failure("write");
  }
  size_ += static_cast<long>(bytes.size());
}

void Gene_file::failure(const char* what) {
  fp_.reset();
  fp_log_.write("%s cannot %s %s stop \n", who_, what, gene_file_of(0));
  fail(1, "%s cannot %s %s stop \n", who_, what, gene_file_of(0));
}
