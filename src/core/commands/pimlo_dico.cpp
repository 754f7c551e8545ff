// "!dico": the dictionary of all entries of all lessons.
//
// The key lines of every record are collected in lesson order into the work
// file "./pimlo_dico1", sorted by entry name, and written as reference lines
// ("#" + key line) into "./pimlo_dico", which ends with "END_OF_FILE". Lines
// of both files end with a line feed only. Each history file is read once,
// in one pass, and the work file once more, whole, for the sort keys and the
// dictionary.
#include <algorithm>

#include "base/book.h"
#include "base/stop.h"
#include "base/trace.h"
#include "commands/dico_sort.h"
#include "commands/listings.h"
#include "commands/survey.h"
#include "history/history_format.h"
#include "history/history_reader.h"
#include "text/line_reader.h"

namespace {

constexpr const char* kWorkPath = "./pimlo_dico1";
constexpr const char* kDicoPath = "./pimlo_dico";

// Appends the key lines of the history file `path` to `work`, noting in
// `posit` the offset at which each lands. Fatal (status 1) when the file
// has no marker line. A file that cannot be opened adds nothing.
void collect_key_lines(const std::string& path, std::string& work, std::vector<long>& posit,
                       LogFile& fp_log) {
  LineReader fp;
  if (!fp.open(path)) {
    trace("PIMLO_DICO cannot open %s \n", path.c_str());
    return;
  }
  History_reader reader(fp, path);
  reader.skip_header({"PIMLO_DICO1", Reader_name::Voice::listing}, fp_log);
  while (reader.next_line()) {
    if (!reader.at_key_line()) continue;
    posit.push_back(static_cast<long>(work.size()));
    work += reader.line();
    work += '\n';
  }
}

// The dictionary: the lines of `work_file` at the sorted offsets, each as
// "#" + line. Fatal (status 14) when an offset holds no key line.
std::string dictionary_of(LineReader& work_file, const std::vector<long>& posit, LogFile& fp_log) {
  std::string dico;
  std::string line;
  for (std::size_t r = 1; r < posit.size(); ++r) {
    long nc = posit[r];
    if (aln_getline(nc, line, work_file) < 0 || is_end_line(line) || line.empty() ||
        line[0] != '#') {
      fp_log.fail(kExitBrokenWork, "PIMLO_DICO error 14 \n");
    }
    dico += '#';
    dico += line;
    dico += '\n';
  }
  dico += "END_OF_FILE\n";
  return dico;
}

}  // namespace

bool PIMLO_DICO(Trf_book& book) {
  trace("PIMLO_DICO nbt_lesson=%d \n", book.nbt_lesson);
  if (book.nbt_lesson < 1) return true;
  LogFile& fp_log = book.fp_log;

  std::string work;
  std::vector<long> posit(1, 0);  // posit[i], i >= 1: offset of key line i in the work file
  for (const Surveyed_lesson& lesson : surveyed_lessons(book)) {
    collect_key_lines(lesson.idx1_path, work, posit, fp_log);
  }
  if (!write_listing(kWorkPath, work, "PIMLO_DICO", fp_log)) return false;
  fp_log.write("file : ./pimlo_dico1  done\n");

  // The dictionary takes the lines in sorted order, all over the file: the
  // reader's window holds the whole file, read once.
  LineReader work_file;
  if (!work_file.open(kWorkPath, std::max<std::size_t>(work.size(), 1))) {
    fp_log.write("PIMLO_DICO cannot read %s \n", kWorkPath);
    say("PIMLO_DICO cannot read %s \n", kWorkPath);
    return false;
  }
  const int n = static_cast<int>(posit.size()) - 1;
  MERGESORT_ABC_FILE(1, n, posit, work_file);
  trace("PIMLO_DICO sorted n=%d \n", n);

  if (!write_listing(kDicoPath, dictionary_of(work_file, posit, fp_log), "PIMLO_DICO", fp_log)) {
    return false;
  }
  fp_log.write("file : ./pimlo_dico  done\n");
  return true;
}
