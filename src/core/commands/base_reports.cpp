#include "commands/base_reports.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "base/book.h"
#include "base/screen.h"
#include "session/display_line.h"
#include "session/pane_text.h"

namespace {

// Files named one by one in a box or the pane; the rest are counted.
constexpr std::size_t kNamedFiles = 10;

std::string plural(std::size_t n, const char* word) {
  return std::to_string(n) + " " + word + (n == 1 ? "" : "s");
}

// A line for each of the first kNamedFiles items, then how many more the log
// names.
template <typename T, typename Line>
std::vector<std::string> named_lines(const std::vector<T>& items, Line line) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < items.size() && i < kNamedFiles; ++i) lines.push_back(line(items[i]));
  if (items.size() > kNamedFiles) {
    lines.push_back(formatted("  ... and %zu more (see pimlo_log)", items.size() - kNamedFiles));
  }
  return lines;
}

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

std::vector<Rewritten_history> repaired_in(const Base_report& report) {
  std::vector<Rewritten_history> repaired;
  std::copy_if(report.rewritten.begin(), report.rewritten.end(), std::back_inserter(repaired),
               [](const Rewritten_history& h) { return h.faulty_lines > 0; });
  return repaired;
}

std::string repaired_text(const std::vector<Rewritten_history>& repaired) {
  return "Faulty lines were repaired in:\n" +
         joined(named_lines(repaired,
                            [](const Rewritten_history& h) {
                              return "  " + h.path + " (" + plural(h.faulty_lines, "line") + "), " +
                                     (h.backup.empty() ? "no backup could be made"
                                                       : "the faulty file is kept as " + h.backup);
                            })) +
         "Compare the present files to these cpy_idx1 files !\n";
}

bool is_number(const std::string& word) {
  return !word.empty() &&
         std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void show_box(Trf_book& book, bool warning, const std::string& text) {
  if (warning) {
    book.screen.warn(text);
  } else {
    book.screen.inform(text);
  }
}

const char* transfer_fault(Transfer_outcome outcome) {
  switch (outcome) {
    case Transfer_outcome::not_old_form:
      return "is not in the old single-line form: left out";
    case Transfer_outcome::missing:
      return "cannot be read: left out";
    case Transfer_outcome::corrected:
      return "had faulty lines: transferred corrected";
    default:
      return "transferred";
  }
}

}  // namespace

void tell_check_report(const Base_report& report, bool whole_base, Trf_book& book) {
  std::string text = whole_base ? "Check and correct whole data base. \n"
                                : "Check and correct single lesson data base. \n";
  for (const std::string& name : report.unknown) {
    text += (is_number(name) ? "lesson " : "alias ") + name + " is unknown.\n";
  }
  const std::vector<Rewritten_history> repaired = repaired_in(report);
  if (!report.rewritten.empty()) {
    text += plural(report.rewritten.size(), "history file") + " checked: ";
    text += repaired.empty()
                ? "all were sound.\n"
                : std::to_string(repaired.size()) + " repaired.\n" + repaired_text(repaired);
  }
  text += "Look at file pimlo_log for details.\n";
  show_box(book, !repaired.empty() || !report.unknown.empty(), text);
}

void tell_synchro_report(const Base_report& report, const std::string& directory, Trf_book& book) {
  std::string text = "Synchronize whole data base. \n";
  text +=
      plural(report.rewritten.size(), "history file") + " synchronized with " + directory + ".\n";
  if (!report.rewritten.empty()) {
    text += "The previous version of each is kept beside it as cpy_ and its name.\n";
  }
  if (!report.left_alone.empty()) {
    text +=
        "Left as they were (no file of the same name there):\n" +
        joined(named_lines(report.left_alone, [](const std::string& path) { return "  " + path; }));
  }
  const std::vector<Rewritten_history> repaired = repaired_in(report);
  if (!repaired.empty()) text += repaired_text(repaired);
  text += "Look at file pimlo_log for details.\n";
  show_box(book, !repaired.empty() || report.rewritten.empty(), text);
}

void show_transfer_faults(const Transfer_report& report, Trf_book& book) {
  std::vector<std::pair<std::string, Transfer_outcome>> faults;
  std::copy_if(report.files.begin(), report.files.end(), std::back_inserter(faults),
               [](const auto& file) { return file.second != Transfer_outcome::done; });
  CLEAR_DRILL_PANE(book);
  int lblanc = 0;
  DISPLAY_LINE("", book.nb_line, lblanc, book);
  DISPLAY_LINE(formatted("Transfer of data base to ./IDX1_TRF : %zu of %zu files not done,",
                         faults.size(), report.files.size()),
               book.nb_line, lblanc, book);
  DISPLAY_LINE("", book.nb_line, lblanc, book);
  for (std::string& line : named_lines(faults, [](const auto& file) {
         return file.first + " " + transfer_fault(file.second);
       })) {
    DISPLAY_LINE(line, book.nb_line, lblanc, book);
  }
  DISPLAY_LINE("", book.nb_line, lblanc, book);
  DISPLAY_LINE("Look at file pimlo_log for details.", book.nb_line, lblanc, book);
}
