// The conversion of an old single-line history into the current form, on an
// arbitrary file. Checked: a conversion that stops, or that leaves out a
// file of the current form, leaves no converted file behind (nor a
// half-written one); a finished one keeps every line up to the
// marker, gives every record two statistics lines that read back without
// fault, and ends with its end line naming its own offset.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "drill/day_number.h"
#include "history/history_format.h"
#include "history/maintenance.h"
#include "two_lessons.h"

namespace {

using fuzz::check;

const char* const kOld = "idx1_old_form.txt";
const char* const kConverted = "IDX1_TRF/idx1_old_form.txt";

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end = text.find('\n'); end != std::string::npos;
       start = end + 1, end = text.find('\n', start)) {
    lines.push_back(text.substr(start, end - start));
  }
  check(start == text.size());  // every line ends with "\n"
  return lines;
}

void check_converted(const std::string& text, long today) {
  const std::vector<std::string> lines = lines_of(text);
  std::size_t i = 0;
  while (i < lines.size() && !is_marker_line(lines[i])) ++i;
  check(i < lines.size());
  for (++i; i + 1 < lines.size(); ++i) {
    check(!lines[i].empty() && lines[i][0] == '#');
    if (is_reference_line(lines[i])) continue;
    check(i + 3 < lines.size());
    for (int sense = 1; sense <= 2; ++sense) {
      std::array<long, 5> v{};
      check(CHECK_EXTRACT_4LINT(today, lines[i + sense], v) == 0);
    }
    i += 2;
  }
  check(i + 1 == lines.size());
  const std::size_t end = text.size() - lines.back().size() - 1;
  check(lines.back() == "# END_OF_FILE * " + std::to_string(end) + " ");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool entered = [] {
    fuzz::enter_scratch_dir("pimlo_fuzz_transfer");
    return std::filesystem::create_directory("IDX1_TRF");
  }();
  check(entered);
  check(fuzz::write_input_file(kOld, std::string_view(reinterpret_cast<const char*>(data), size)));
  std::remove(kConverted);

  LogFile log;
  const long today = DIFF_JOUR();
  Transfer_outcome outcome = Transfer_outcome::done;
  if (two_lessons::stops([&] { outcome = TRF_IDX1_FILE(log, kOld, kConverted); }) ||
      outcome == Transfer_outcome::not_old_form) {
    check(std::filesystem::is_empty("IDX1_TRF"));
    return 0;
  }
  // A conversion that ran across midnight is checked against the later day.
  check_converted(fuzz::read_input_file(kConverted), std::max(today, DIFF_JOUR()));
  return 0;
}
