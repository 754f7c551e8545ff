// Working copies of arbitrary files: the copy only has the line ends CR LF
// and CR CR LF (and none after its last line), the reader finds in it as many
// lines as win_file reports and as the source has (a run of r CRs in the
// source ending (r + 1) / 2 lines), and each line reads as it reads from the
// source, except where a converted line happens to look like UTF-8 again.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "base/stop.h"
#include "fuzz_support.h"
#include "text/encoding.h"
#include "text/line_reader.h"

namespace {

using fuzz::check;

// The raw lines as the line reader cuts them.
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

// Lines the copy gains over the source: a run of r CRs ends (r + 1) / 2 lines.
std::size_t extra_lines(std::string_view b) {
  std::size_t extra = 0;
  std::size_t i = 0;
  while (i < b.size()) {
    if (b[i] != '\r') {
      ++i;
      continue;
    }
    std::size_t r = 0;
    while (i < b.size() && b[i] == '\r') ++r, ++i;
    extra += (r + 1) / 2 - 1;
  }
  return extra;
}

void check_line_ends(std::string_view copy) {
  for (std::size_t i = 0; i < copy.size(); ++i) {
    if (copy[i] == '\n') check(i > 0 && copy[i - 1] == '\r');
    if (copy[i] != '\r') continue;
    check(copy.substr(i, 2) == "\r\n" || copy.substr(i, 3) == "\r\r\n");
    if (copy.substr(i, 3) == "\r\r\n") ++i;
  }
}

std::vector<std::string> reader_lines(const std::string& path) {
  LineReader reader(path, 7);
  check(reader.is_open());
  std::vector<std::string> lines;
  long nc = 0;
  std::string ss;
  while (aln_getline(nc, ss, reader) >= 0) lines.push_back(ss);
  return lines;
}

std::string read_bytes(const std::string& path) {
  std::string bytes;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  check(f != nullptr);
  char block[4096];
  std::size_t n;
  while ((n = std::fread(block, 1, sizeof block, f)) > 0) bytes.append(block, n);
  std::fclose(f);
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string source(reinterpret_cast<const char*>(data), size);
  const std::string stem = "/tmp/pimlo_fuzz_win_file_" + std::to_string(getpid());
  const std::string source_path = stem + "_source.txt";
  const std::string copy_path = stem + "_copy.txt";
  if (!fuzz::write_input_file(source_path, source)) return 0;
  try {
    int result = win_file(source_path, copy_path);
    check(result >= 0);
    const std::string copy = read_bytes(copy_path);
    check_line_ends(copy);

    std::vector<std::string> source_raw = raw_lines(source);
    std::vector<std::string> copy_raw = raw_lines(copy);
    std::vector<std::string> from_source = reader_lines(source_path);
    std::vector<std::string> from_copy = reader_lines(copy_path);
    check(from_copy.size() == static_cast<std::size_t>(result));
    check(from_copy.size() == copy_raw.size());
    check(from_copy.size() == from_source.size() + extra_lines(source));
    if (extra_lines(source) == 0) {
      for (std::size_t i = 0; i < from_copy.size(); ++i) {
        Utf8Marks marks = judge_utf8_marks(copy_raw[i]);
        bool converted_twice = marks.utf && !marks.iso && copy_raw[i] != source_raw[i];
        if (!converted_twice) check(from_copy[i] == from_source[i]);
      }
    }
  } catch (const ProgramStop&) {
  }
  std::remove(source_path.c_str());
  std::remove(copy_path.c_str());
  return 0;
}
