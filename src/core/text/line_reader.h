// Reading a text file line by line by byte offset.
//
// Every text file of the program is read through aln_getline: the caller keeps
// the offset `nc` of a line and may come back to it at any time by passing the
// same offset again. The reader keeps a window of the file in memory and only
// repositions when `nc` leaves it, so a sequential pass is one buffered read,
// never a seek or a read per byte. A line longer than the window is still
// delivered whole.
//
// Each line is delivered without its line end, tabs expanded to 8 spaces, NUL
// bytes dropped; a line holding complete UTF-8 sequences (and no byte that is
// not UTF-8) is converted to CP1252 when CP1252 can hold it.
//
// Line ends: LF; CR alone; any run of CRs followed by at most one LF. Each of
// these ends exactly one line.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

class LineReader {
 public:
  static constexpr std::size_t kWindowSize = 64 * 1024;

  LineReader() = default;
  explicit LineReader(const std::string& path, std::size_t window_size = kWindowSize) {
    open(path, window_size);
  }
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;
  LineReader(LineReader&& other) noexcept;
  LineReader& operator=(LineReader&& other) noexcept;

  // Opens `path` for reading with a window of `window_size` bytes (at least
  // 1; tests use small windows). Returns false (and leaves the reader closed)
  // when it cannot be opened or is a directory.
  bool open(const std::string& path, std::size_t window_size = kWindowSize);
  void close();
  bool is_open() const { return fd_ >= 0; }

  // Forgets the buffered window; call it after the file was written through
  // another handle so that the next read sees the new bytes.
  void invalidate() { window_start_ = window_end_ = 0; }

  // Reads the byte at `offset` (0..255); -1 at end of file, for a negative
  // offset or on a read error. Inside the window this is one memory access.
  int byte_at(long offset) {
    if (offset >= window_start_ && offset < window_end_) {
      return static_cast<unsigned char>(window_[offset - window_start_]);
    }
    return byte_at_slow(offset);
  }

  // The buffered bytes from `offset` to the end of the window, refilling the
  // window when `offset` lies outside it. Empty at end of file, for a negative
  // offset or on a read error. Valid until the next call on this reader.
  std::string_view bytes_from(long offset) {
    if (offset >= window_start_ && offset < window_end_) {
      return {window_.get() + (offset - window_start_),
              static_cast<std::size_t>(window_end_ - offset)};
    }
    return bytes_from_slow(offset);
  }

  // How many times the window was refilled so far: a view into it taken
  // before is stale once this has changed.
  std::size_t fills() const { return fills_; }

 private:
  int byte_at_slow(long offset);
  std::string_view bytes_from_slow(long offset);
  bool fill(long offset);

  int fd_ = -1;
  // Left uninitialised: only the bytes read into it are ever looked at.
  std::unique_ptr<char[]> window_;
  std::size_t window_size_ = 0;
  long window_start_ = 0;  // file offset of window_[0]
  long window_end_ = 0;    // one past the last valid byte
  std::size_t fills_ = 0;
};

// Reads the line that starts at byte offset `nc` into `ss`.
// Returns its length in bytes (0 for an empty line), -1 if `nc` is not a
// position of the file (negative, or the reader is not open), -2 at end of
// file (also at any offset past it); on -1 and -2 `ss` is empty and `nc`
// unchanged. On success `nc` is the offset of the next line.
long aln_getline(long& nc, std::string& ss, LineReader& fp);

// The same, handing the line over as a view rather than a copy: into the
// reader's window when the line stands there whole and is delivered as the
// file holds it (no tab, NUL or UTF-8 sequence: nearly every line), else
// into `spare`, which then holds it. The view is valid until the window
// moves (fills()) or `spare` changes.
long aln_getline_view(long& nc, std::string_view& line, std::string& spare, LineReader& fp);

// The same, keeping only the first `max_chars` characters of the line (as
// delivered: tabs expanded, converted from UTF-8); the rest of a longer line
// is passed over without being held in memory, and `nc` still moves past
// the whole line. Results as for aln_getline, the length being that of the
// part kept.
long aln_getline_head(long& nc, std::string& ss, LineReader& fp, std::size_t max_chars);
