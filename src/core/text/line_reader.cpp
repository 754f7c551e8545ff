#include "text/line_reader.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>
#include <utility>

#include "base/trace.h"
#include "text/encoding.h"
#include "text/line_scan.h"

LineReader::~LineReader() {
  close();
}

LineReader::LineReader(LineReader&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      window_(std::move(other.window_)),
      window_size_(std::exchange(other.window_size_, 0)),
      window_start_(other.window_start_),
      window_end_(other.window_end_) {
  other.invalidate();
}

LineReader& LineReader::operator=(LineReader&& other) noexcept {
  if (this != &other) {
    close();
    fd_ = std::exchange(other.fd_, -1);
    window_ = std::move(other.window_);
    window_size_ = std::exchange(other.window_size_, 0);
    window_start_ = other.window_start_;
    window_end_ = other.window_end_;
    other.invalidate();
  }
  return *this;
}

bool LineReader::open(const std::string& path, std::size_t window_size) {
  close();
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) return false;
  window_size = std::max<std::size_t>(window_size, 1);
  if (!window_ || window_size_ != window_size) {
    window_ = std::make_unique_for_overwrite<char[]>(window_size);
    window_size_ = window_size;
  }
  // The top of the file is read at once: nearly every reader starts there,
  // and the read tells a directory apart without asking for its status
  // first (a system call per file, which a scan of the catalogue feels).
  errno = 0;
  if (!fill(0) && errno == EISDIR) {
    close();
    return false;
  }
  return true;
}

void LineReader::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  invalidate();
}

// Reads the window starting at `offset`. Returns false, with an empty window,
// at end of file, for a negative offset or when nothing could be read.
bool LineReader::fill(long offset) {
  invalidate();
  ++fills_;
  if (fd_ < 0 || offset < 0) return false;
  // A read of a file that gives fewer bytes than asked stopped at its end:
  // the window ends there, without a second read to hear it (should the
  // file hold more after all, the fill at the window's end reads it).
  ssize_t n;
  do {
    n = ::pread(fd_, window_.get(), window_size_, static_cast<off_t>(offset));
  } while (n < 0 && errno == EINTR);
  const std::size_t got = n > 0 ? static_cast<std::size_t>(n) : 0;
  if (got == 0) return false;
  window_start_ = offset;
  window_end_ = offset + static_cast<long>(got);
  return true;
}

int LineReader::byte_at_slow(long offset) {
  if (!fill(offset)) return -1;
  return static_cast<unsigned char>(window_[0]);
}

std::string_view LineReader::bytes_from_slow(long offset) {
  if (!fill(offset)) return {};
  return {window_.get() + (offset - window_start_), static_cast<std::size_t>(window_end_ - offset)};
}

namespace {

// `pos` is the offset of a carriage return: returns the offset after it, the
// carriage returns that follow it and at most one line feed after them.
long skip_cr_line_end(LineReader& fp, long pos) {
  ++pos;
  while (fp.byte_at(pos) == '\r') ++pos;
  if (fp.byte_at(pos) == '\n') ++pos;
  return pos;
}

// Appends the bytes from `pos` up to the next CR, LF or the end of the file to
// `ss`, as long as `ss` holds fewer than `limit` bytes; returns the offset of
// that CR or LF (or of the end).
long collect_raw_line(LineReader& fp, long pos, std::string& ss,
                      std::size_t limit = std::string::npos) {
  for (;;) {
    std::string_view bytes = fp.bytes_from(pos);
    if (bytes.empty()) return pos;
    // The line feed first, then a carriage return before it (two memchr
    // scans over the window rather than a test per byte).
    const void* lf = std::memchr(bytes.data(), '\n', bytes.size());
    std::size_t n =
        lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - bytes.data()) : bytes.size();
    if (const void* cr = std::memchr(bytes.data(), '\r', n)) {
      n = static_cast<std::size_t>(static_cast<const char*>(cr) - bytes.data());
      lf = cr;
    }
    if (ss.size() < limit) ss.append(bytes.data(), std::min(n, limit - ss.size()));
    pos += static_cast<long>(n);
    if (lf != nullptr) return pos;
  }
}

// Tabs become 8 spaces, NUL bytes are dropped.
void expand_tabs_drop_nuls(std::string& ss) {
  std::string shaped;
  shaped.reserve(ss.size() + 16);
  for (char c : ss) {
    if (c == '\t') {
      shaped.append(8, ' ');
    } else if (c != '\0') {
      shaped.push_back(c);
    }
  }
  ss.swap(shaped);
}

// What a line holds that shaping looks at: a byte above 0x7F, a tab or a
// NUL. Only a line holding one of them needs shaping.
struct Shaping_marks {
  bool high = false;
  bool tab_or_nul = false;
  bool any() const { return high || tab_or_nul; }
};

// Eight bytes at a time: a word holds a zero byte exactly when
// (v - 0x01..) & ~v sets a top bit, and a tab is a zero byte of v ^ 0x09..
// A line of eight bytes or more ends with a word overlapping the one before.
Shaping_marks shaping_marks(std::string_view line) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  constexpr std::uint64_t kTops = 0x8080808080808080ULL;
  constexpr std::uint64_t kTabs = 0x0909090909090909ULL;
  std::uint64_t high = 0;
  std::uint64_t control = 0;
  const auto take = [&](std::size_t at) {
    std::uint64_t v;
    std::memcpy(&v, line.data() + at, 8);
    const std::uint64_t t = v ^ kTabs;
    high |= v;
    control |= ((v - kOnes) & ~v) | ((t - kOnes) & ~t);
  };
  if (line.size() >= 8) {
    std::size_t i = 0;
    for (; i + 8 <= line.size(); i += 8) take(i);
    if (i < line.size()) take(line.size() - 8);
  } else {
    for (const char c : line) {
      high |= static_cast<unsigned char>(c);
      if (c == '\t' || c == '\0') control |= kTops;
    }
  }
  return {(high & kTops) != 0, (control & kTops) != 0};
}

// Settles the encoding of a raw line (judged before tabs and NULs are
// touched, as the bytes stand in the file).
void shape_line(std::string& ss) {
  const Shaping_marks held = shaping_marks(ss);
  if (!held.any()) return;  // most lines: plain ASCII without tabs
  Utf8Marks marks = judge_utf8_marks(ss);
  if (held.tab_or_nul) expand_tabs_drop_nuls(ss);
  if (!marks.utf) return;
  if (marks.iso) {
    trace("aln_getline bad mixture of iso and utf8 \n ss=%s@@@\n", ss.c_str());
    return;
  }
  if (std::optional<std::string> converted = utf8_to_cp1252(ss)) ss = std::move(*converted);
}

}  // namespace

namespace {

// Drops a UTF-8 sequence that the cut at the end of `ss` left without some
// of its continuation bytes: the line is then still judged as the file
// holds it.
void drop_cut_sequence(std::string& ss) {
  std::size_t lead = ss.size();
  while (lead > 0 && ss.size() - lead < 3 &&
         (static_cast<unsigned char>(ss[lead - 1]) & 0xC0) == 0x80)
    --lead;
  if (lead == 0) return;
  const unsigned char c = static_cast<unsigned char>(ss[lead - 1]);
  const std::size_t wanted = c >= 0xF8 ? 0 : c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
  if (wanted > ss.size() - lead) ss.resize(lead - 1);
}

// Moves `pos`, the offset of the byte that ended a line (or of the end of
// the file), past its line end.
long past_line_end(LineReader& fp, long pos) {
  const int end = fp.byte_at(pos);
  if (end == '\n') return pos + 1;
  if (end == '\r') return skip_cr_line_end(fp, pos);
  return pos;
}

// Shared by the readers: `limit` raw bytes of the line are kept at most.
long read_line(long& nc, std::string& ss, LineReader& fp, std::size_t limit) {
  ss.clear();
  if (nc < 0 || !fp.is_open()) return -1;
  int first = fp.byte_at(nc);
  if (first < 0) return -2;
  if (first == '\n') {
    nc += 1;
    trace("aln_getline return 10 empty line nc=%ld \n", nc);
    return 0;
  }
  if (first == '\r') {
    nc = skip_cr_line_end(fp, nc);
    trace("aln_getline return 20 empty line nc=%ld \n", nc);
    return 0;
  }
  const long pos = collect_raw_line(fp, nc, ss, limit);
  if (ss.size() == limit) drop_cut_sequence(ss);
  shape_line(ss);
  nc = past_line_end(fp, pos);
  return static_cast<long>(ss.size());
}

}  // namespace

namespace {

// A line ready in `bytes` (the window from the line's first byte): its
// length and the length with its line end, when the line ends inside the
// window with a plain "\n", "\r\n" or "\r" and shaping would leave it as
// it is. Anything else (a run of CRs, a line cut by the window) goes the
// copying way.
struct Line_in_place {
  std::size_t length;
  std::size_t with_end;
};

std::optional<Line_in_place> line_in_place(std::string_view bytes) {
  const std::optional<Line_scan> scan = scan_line(bytes);
  if (!scan || scan->tab_or_nul) return std::nullopt;
  Line_in_place found{scan->length, scan->length + 1};
  if (scan->end == '\r') {
    const std::string_view rest = bytes.substr(found.length + 1);
    if (rest.empty() || rest[0] == '\r') return std::nullopt;
    if (rest[0] == '\n') {
      found.with_end = found.length + 2;
    } else if (std::memchr(rest.data(), '\n', rest.size()) == nullptr) {
      return std::nullopt;  // a lone CR is taken here only when a '\n' follows in the window
    }
  }
  if (scan->continuation && judge_utf8_marks(bytes.substr(0, found.length)).utf) {
    return std::nullopt;
  }
  return found;
}

}  // namespace

long aln_getline_view(long& nc, std::string_view& line, std::string& spare, LineReader& fp) {
  if (nc >= 0 && fp.is_open()) {
    const std::string_view bytes = fp.bytes_from(nc);
    if (const std::optional<Line_in_place> found = line_in_place(bytes)) {
      line = bytes.substr(0, found->length);
      nc += static_cast<long>(found->with_end);
      return static_cast<long>(found->length);
    }
  }
  const long got = read_line(nc, spare, fp, std::string::npos);
  line = spare;
  return got;
}

long aln_getline(long& nc, std::string& ss, LineReader& fp) {
  std::string_view line;
  const long got = aln_getline_view(nc, line, ss, fp);
  if (line.data() != ss.data()) ss.assign(line);
  return got;
}

long aln_getline_head(long& nc, std::string& ss, LineReader& fp, std::size_t max_chars) {
  // A character takes at most 4 bytes in UTF-8, and at least 1 otherwise.
  const long got = read_line(nc, ss, fp, 4 * max_chars + 4);
  if (got < 0 || ss.size() <= max_chars) return got;
  ss.resize(max_chars);
  return static_cast<long>(max_chars);
}
