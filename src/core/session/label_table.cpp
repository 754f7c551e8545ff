#include "session/label_table.h"

#include "base/book.h"
#include "base/log_file.h"
#include "base/stop.h"
#include "base/trace.h"
#include "history/drill_walk.h"
#include "text/line_reader.h"

namespace {

constexpr int kMaxBlockLines = 10000;

bool is_upper(char c) {
  return c >= 'A' && c <= 'Z';
}
bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// Adds label `label`, defined by the line at `offset`, unless it is known.
void add_label(const std::string& label, long offset, Label_table& labels) {
  if (labels.s_label.find(" " + label + " ") != std::string::npos) return;
  labels.s_label += label;
  labels.s_label += ' ';
  labels.nc_label.push_back(offset);
}

// The walk shared by EXTRACT_LABEL_BUTTONS and skip_sound_block; `labels`
// may be null. Returns false at the end of the file.
bool read_block(long& nc, LineReader& fp, Label_table* labels) {
  bool started = false;
  std::string ss;
  for (int n = 0; n < kMaxBlockLines; ++n) {
    const long offset = nc;
    if (aln_getline(nc, ss, fp) < 0) return false;
    if (closes_sound_block(ss)) break;
    if (labels == nullptr) continue;
    const std::string label = label_of_line(ss);
    if (label.empty()) continue;
    if (!started) {
      *labels = Label_table{" ", {0}, labels->path};
      started = true;
    }
    add_label(label, offset, *labels);
  }
  return true;
}

}  // namespace

int PERHAPS_BUTTON(std::string_view str, int& i0, int& i1) {
  i0 = i1 = -1;
  const std::size_t first = str.find_first_not_of(' ');
  if (first == std::string_view::npos || str.size() - first < 3) return 0;
  if (!is_upper(str[first]) || str[first + 1] != '>' || !is_digit(str[first + 2])) return 0;
  std::size_t end = str.find(' ', first);
  if (end == std::string_view::npos) end = str.size();
  i0 = static_cast<int>(first);
  i1 = static_cast<int>(end) - 1;
  return 1;
}

std::string label_of_line(std::string_view str) {
  int i0 = 0;
  int i1 = 0;
  if (!PERHAPS_BUTTON(str, i0, i1)) return {};
  return std::string(str.substr(i0, i1 - i0 + 1));
}

int WHAT_BUTTON(std::string_view s, const Label_table& labels) {
  // Built by appending: GCC 12 warns falsely (-Wrestrict) on " " + std::string.
  std::string key;
  key.reserve(s.size() + 2);
  key.append(1, ' ').append(s).append(1, ' ');
  const std::size_t at = s.empty() || s.find(' ') != std::string_view::npos
                             ? std::string::npos
                             : labels.s_label.find(key);
  if (at == std::string::npos) {
    trace("Unknown  button %s  \n", std::string(s).c_str());
    return 0;
  }
  int k = 0;
  for (std::size_t i = 0; i <= at; ++i) k += labels.s_label[i] == ' ';
  return k;
}

bool EXTRACT_LABEL_BUTTONS(long& nc, LineReader& fp, Label_table& labels, Trf_book& book) {
  const bool ended = read_block(nc, fp, &labels);
  labels.nc_label[0] = static_cast<long>(labels.nc_label.size()) - 1;
  if (!ended) {
    say("EXTRACT_LABEL_BUTTON no <)end) return \n");
    book.fp_log.write("EXTRACT_LABEL_BUTTON no <)end) return \n");
  }
  trace("EXTRACT_LABEL_BUTTONS labels=%s@@@ \n", labels.s_label.c_str());
  return ended;
}

bool skip_sound_block(long& nc, LineReader& fp) {
  return read_block(nc, fp, nullptr);
}

bool opens_sound_block(std::string_view line) {
  return line.find("<)start)") != std::string_view::npos;
}

bool closes_sound_block(std::string_view line) {
  return line.find("<)end)") != std::string_view::npos;
}
