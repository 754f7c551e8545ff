// The line reader on arbitrary files, with a window of 1 to 32 bytes chosen by
// the first input byte and with the default window: every read moves the
// offset forward, the lines match an independent split of the bytes, and
// reading again at any remembered offset gives the same line and next offset.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "base/stop.h"
#include "fuzz_support.h"
#include "text/line_reader.h"

namespace {

using fuzz::check;

struct Line {
  long start;
  std::string text;
  long next;
};

// The raw lines as the reader must cut them: a line ends at LF, or at a run
// of CRs together with at most one LF after it.
std::vector<std::string> raw_lines(std::string_view b) {
  std::vector<std::string> out;
  std::size_t i = 0;
  while (i < b.size()) {
    std::size_t j = b.find_first_of("\r\n", i);
    if (j == std::string_view::npos) j = b.size();
    out.emplace_back(b.substr(i, j - i));
    if (j == b.size()) break;
    if (b[j] == '\r') {
      while (j < b.size() && b[j] == '\r') ++j;
      if (j < b.size() && b[j] == '\n') ++j;
    } else {
      ++j;
    }
    i = j;
  }
  return out;
}

std::vector<Line> read_all(LineReader& reader, long size) {
  std::vector<Line> lines;
  long nc = 0;
  std::string ss;
  for (;;) {
    long start = nc;
    long n = aln_getline(nc, ss, reader);
    if (n == -2) {
      check(nc == start && ss.empty() && nc == size);
      return lines;
    }
    check(n >= 0 && n == static_cast<long>(ss.size()));
    check(nc > start && nc <= size);
    check(ss.find_first_of(std::string_view("\r\n\t\0", 4)) == std::string::npos);
    lines.push_back({start, ss, nc});
  }
}

std::string scratch_path() {
  return "/tmp/pimlo_fuzz_line_reader_" + std::to_string(getpid()) + ".txt";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::size_t window = 1 + data[0] % 32;
  const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string path = scratch_path();
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return 0;
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
  try {
    LineReader small(path, window);
    LineReader large(path);
    check(small.is_open() && large.is_open());
    const long file_size = static_cast<long>(bytes.size());
    std::vector<Line> lines = read_all(small, file_size);
    std::vector<Line> same = read_all(large, file_size);
    std::vector<std::string> raw = raw_lines(bytes);
    check(lines.size() == raw.size() && same.size() == raw.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
      check(lines[i].text == same[i].text && lines[i].next == same[i].next);
      if (i + 1 < lines.size()) check(lines[i].next == lines[i + 1].start);
      // Plain ASCII lines: tabs widened, NULs dropped, nothing else.
      bool ascii = true;
      std::string shaped;
      for (char c : raw[i]) {
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
        if (c == '\t') {
          shaped += "        ";
        } else if (c != '\0') {
          shaped += c;
        }
      }
      if (ascii) check(lines[i].text == shaped);
    }
    // Back from the last line to the first, through the small window.
    std::string ss;
    for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
      long nc = it->start;
      check(aln_getline(nc, ss, small) == static_cast<long>(it->text.size()));
      check(ss == it->text && nc == it->next);
    }
  } catch (const ProgramStop&) {
  }
  std::remove(path.c_str());
  return 0;
}
