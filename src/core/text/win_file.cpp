// The working copy of a lesson file.
//
// Lines are cut at every CR and LF and each line is judged whole, however
// long, as the line reader judges it: a line with complete UTF-8 sequences
// and no single-byte accented letters is converted to CP1252 when CP1252 can
// hold it; every other line is copied as it stands (NUL bytes and tabs too).
//
// Line ends, source -> copy:
//   LF            -> CR LF
//   CR (alone)    -> CR LF
//   CR LF         -> CR CR LF   (the LF ends an empty line of its own)
//   CR CR LF      -> CR CR LF   (the second CR is passed over)
//   CR CR CR ...  -> the CRs are taken two by two, each pair (or a last single
//                    one) ending a line, so a run of r CRs gives (r + 1) / 2
//                    line ends; the extra lines are empty.
//   no end        -> no end (the last line of the file)
// The copy only holds the line ends CR LF and CR CR LF, each of which the line
// reader takes as one line end.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "base/trace.h"
#include "text/atomic_file.h"
#include "text/encoding.h"
#include "text/sync_batch.h"

namespace {

constexpr std::size_t kBlock = 64 * 1024;

class WorkingCopyWriter {
 public:
  explicit WorkingCopyWriter(AtomicFile& out) : out_(out) {}

  // Takes the next bytes of the source.
  void take(std::string_view chunk);

  // Ends the copy after the last byte of the source.
  void finish();

  // Number of lines of the copy as the line reader sees them.
  int lines() const { return lines_; }

 private:
  enum class After { kText, kCr, kSecondCr };

  void put(std::string_view bytes) { out_.write(bytes); }
  void end_line(std::string_view line_end) {
    put(line_end);
    ++lines_;
  }
  void write_line();

  AtomicFile& out_;
  std::string line_;
  After state_ = After::kText;
  int lines_ = 0;
};

void WorkingCopyWriter::take(std::string_view chunk) {
  std::size_t i = 0;
  while (i < chunk.size()) {
    if (state_ != After::kText) {
      char c = chunk[i];
      if (state_ == After::kCr && c == '\r') {
        state_ = After::kSecondCr;
        ++i;
        continue;
      }
      state_ = After::kText;
      if (c == '\n') {
        end_line("\r\n");  // the empty line that the LF ends
        ++i;
        continue;
      }
      end_line("\n");  // completes the CR written after the previous line
    }
    std::size_t end = chunk.find_first_of("\r\n", i);
    if (end == std::string_view::npos) end = chunk.size();
    line_.append(chunk.substr(i, end - i));
    i = end;
    if (i == chunk.size()) break;
    write_line();
    if (chunk[i] == '\n') {
      end_line("\r\n");
    } else {
      put("\r");
      state_ = After::kCr;
    }
    ++i;
  }
}

void WorkingCopyWriter::finish() {
  if (state_ != After::kText) {
    end_line("\n");
  } else if (!line_.empty()) {
    write_line();
    ++lines_;
  }
}

void WorkingCopyWriter::write_line() {
  Utf8Marks marks = judge_utf8_marks(line_);
  if (marks.utf && marks.iso) {
    trace("win_file 3 bad mixture of iso and utf in ss1=%s@@@ \n", line_.c_str());
  } else if (marks.utf) {
    if (std::optional<std::string> converted = utf8_to_cp1252(line_)) line_ = std::move(*converted);
  }
  put(line_);
  line_.clear();
}

// Writes the copy of `source` into `out`, a new version of `destination`,
// left for the caller to commit. Failure: -1 when the source cannot be opened
// or a read fails, -2 when the destination cannot be created. The copy
// replaces the destination only when complete (AtomicFile): a failure or a
// crash midway leaves the previous copy, older than the lesson file, so that
// it is never taken for up to date.
int write_copy(const std::string& source, const std::string& destination, AtomicFile& out) {
  std::FILE* in = std::fopen(source.c_str(), "rb");
  if (in == nullptr) return -1;
  if (!out.open(destination)) {
    std::fclose(in);
    return -2;
  }
  std::vector<char> block(kBlock);
  WorkingCopyWriter writer(out);
  std::size_t n;
  while ((n = std::fread(block.data(), 1, block.size(), in)) > 0) {
    writer.take(std::string_view(block.data(), n));
  }
  writer.finish();
  const bool read_failed = std::ferror(in) != 0;
  std::fclose(in);
  if (read_failed) {
    out.abandon();
    return -1;
  }
  return writer.lines();
}

}  // namespace

int win_file(const std::string& source, const std::string& destination) {
  AtomicFile out;
  const int lines = write_copy(source, destination, out);
  if (lines < 0) return lines;
  return out.commit() ? lines : -2;
}

int win_file(const std::string& source, const std::string& destination, SyncBatch& batch) {
  AtomicFile out;
  const int lines = write_copy(source, destination, out);
  if (lines < 0) return lines;
  return out.commit(batch) ? lines : -2;
}
