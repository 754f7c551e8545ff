// "!dico": the dictionary of all entries of all lessons.
//
// The key lines of every record are written in lesson order into the work
// file "./pimlo_dico1" and, sorted by entry name, as reference lines ("#" +
// key line) into "./pimlo_dico", which ends with "END_OF_FILE". Lines of
// both files end with a line feed only. Each history file is read once, in
// one pass; the sort holds a bounded amount in memory (dico_sort.h), so a
// catalogue of any size is listed in the same memory.
#include "base/book.h"
#include "base/trace.h"
#include "commands/dico_sort.h"
#include "commands/listings.h"
#include "commands/survey.h"
#include "history/history_reader.h"
#include "text/atomic_file.h"
#include "text/line_reader.h"

namespace {

constexpr const char* kWorkPath = "./pimlo_dico1";
constexpr const char* kDicoPath = "./pimlo_dico";
constexpr const char* kWho = "PIMLO_DICO";

// Writes the key lines of the history file `path` to `work` and hands them
// to `sorter`. Fatal (status 1) when the file has no marker line. A file
// that cannot be opened adds nothing. False when the sorter failed.
bool collect_key_lines(const std::string& path, AtomicFile& work, Dico_sorter& sorter,
                       LogFile& fp_log) {
  LineReader fp;
  if (!fp.open(path)) {
    trace("PIMLO_DICO cannot open %s \n", path.c_str());
    return true;
  }
  History_reader reader(fp, path);
  reader.skip_header({"PIMLO_DICO1", Reader_name::Voice::listing}, fp_log);
  while (reader.next_line()) {
    if (!reader.at_key_line()) continue;
    work.write(reader.line());
    work.write("\n");
    if (!sorter.add(reader.line())) return false;
  }
  return true;
}

bool cannot_sort(LogFile& fp_log) {
  fp_log.write("PIMLO_DICO cannot write a temporary file \n");
  say("PIMLO_DICO cannot write a temporary file \n");
  return false;
}

}  // namespace

bool PIMLO_DICO(Trf_book& book) {
  trace("PIMLO_DICO nbt_lesson=%d \n", book.nbt_lesson);
  if (book.nbt_lesson < 1) return true;
  LogFile& fp_log = book.fp_log;

  AtomicFile work;
  if (!open_listing(work, kWorkPath, kWho, fp_log)) return false;
  Dico_sorter sorter;
  for (const Surveyed_lesson& lesson : surveyed_lessons(book)) {
    if (!collect_key_lines(lesson.idx1_path, work, sorter, fp_log)) return cannot_sort(fp_log);
  }
  if (!commit_listing(work, kWorkPath, kWho, fp_log)) return false;
  fp_log.write("file : ./pimlo_dico1  done\n");

  AtomicFile dico;
  if (!open_listing(dico, kDicoPath, kWho, fp_log)) return false;
  const bool sorted = sorter.for_each_sorted([&](std::string_view line) {
    dico.write("#");
    dico.write(line);
    dico.write("\n");
  });
  if (!sorted) return cannot_sort(fp_log);
  dico.write("END_OF_FILE\n");
  if (!commit_listing(dico, kDicoPath, kWho, fp_log)) return false;
  fp_log.write("file : ./pimlo_dico  done\n");
  return true;
}
