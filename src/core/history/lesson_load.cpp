// Loading a lesson's history file into the drill table, in one sequential
// pass that also builds "./idx1_gene".
#include "history/lesson_load.h"

#include <array>
#include <cstdio>
#include <memory>
#include <optional>
#include <utility>

#include "base/book.h"
#include "base/stop.h"
#include "base/trace.h"
#include "catalogue/aliases.h"
#include "catalogue/lesson_paths.h"
#include "catalogue/trf_string.h"
#include "drill/day_number.h"
#include "drill/mergesort.h"
#include "drill/sort_classment.h"
#include "drill/table_fill.h"
#include "drill/trf_posit.h"
#include "history/drill_walk.h"
#include "history/history_format.h"
#include "history/reference_index.h"
#include "text/line_reader.h"

namespace {

constexpr const char* kGenePath = "./idx1_gene";
constexpr int kFirstCapacity = 10;

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// How one loader reports its faults.
struct Loader_texts {
  const char* no_qr;        // printed when the Q->R line is missing
  const char* no_rq;        // printed when the R->Q line is missing
  const char* no_values;    // logged with the element number
  const char* stats_fault;  // logged with the path for a faulty line
};

constexpr Loader_texts kOwnRecord{"INIT_LESSON error 1 stop 2 \n", "INIT_LESSON error 3 stop r \n",
                                  "Error no detection of values icont=%d stop \n",
                                  "INIT_LESSON and CHECK_4LINTsome error in file : %s \n"};
constexpr Loader_texts kReferenced{"INDIRECT_IDX1 error 1 stop 2 \n",
                                   "INDIRECT_IDX1 error 2 stop 3 \n",
                                   "INDIRECT_IDX1 Error no detection of values icont=%d stop \n",
                                   "INDIRECT_IDX1 and CHECK_4LINTsome error in file : %s \n"};

[[noreturn]] void cut_short(int status, const char* printed, const Loader_texts& texts, int i,
                            const std::string& path, LogFile& fp_log) {
  fp_log.write(texts.no_values, i);
  fp_log.write("in file : %s \n", path.c_str());
  fail_on(path, status, "%s", printed);
}

// Element `i` takes the two statistics lines of its record (nothing: the
// file ended before that line).
void load_record(Trf_posit& t, int i, const std::optional<std::string>& qr,
                 const std::optional<std::string>& rq, long today, const Loader_texts& texts,
                 const std::string& path, LogFile& fp_log) {
  for (int sens_qr : {1, 2}) {
    const std::optional<std::string>& line = sens_qr == 1 ? qr : rq;
    if (!line)
      cut_short(sens_qr == 1 ? 2 : 3, sens_qr == 1 ? texts.no_qr : texts.no_rq, texts, i, path,
                fp_log);
    std::array<long, 5> v{};
    if (CHECK_EXTRACT_4LINT(today, *line, v) != 0) fp_log.write(texts.stats_fault, path.c_str());
    store_loaded_history(t, i, sens_qr, v[1], v[2], v[3], v[4]);
  }
}

// Reads the line at `nc` into `line`, whose buffer is kept from record to
// record; nothing at the end of the file.
void next_line(LineReader& fp, long& nc, std::optional<std::string>& line) {
  if (!line) line.emplace();
  if (aln_getline(nc, *line, fp) < 0) line.reset();
}

// The offset of the line after the marker line. Fatal (status 1) when the
// file has none.
long skip_header(LineReader& fp, const std::string& path, LogFile& fp_log) {
  long nc = 0;
  std::string ss;
  while (aln_getline(nc, ss, fp) >= 0) {
    if (is_marker_line(ss)) return nc;
  }
  fp_log.write("Error no detection of ####### stop \n");
  fp_log.write("in file : %s \n", path.c_str());
  fail_on(path, 1, "INIT_LESSON error 0 stop 1 \n");
}

void pointer_line(std::string& fp_gene, const std::string& path, long stats_offset) {
  fp_gene += ' ';
  fp_gene += path;
  fp_gene += " * ";
  fp_gene += std::to_string(stats_offset);
  fp_gene += " \n";
}

// The lesson cannot be loaded: said, and the drill starts on an empty table.
void no_history(Trf_posit& t, const std::string& text, LogFile& fp_log) {
  fp_log.write("%s", text.c_str());
  say("%s", text.c_str());
  t.reset(kFirstCapacity);
  t.clear_marks();
}

[[noreturn]] void gene_failure(const char* what, LogFile& fp_log) {
  fp_log.write("INIT_LESSON cannot %s %s stop \n", what, kGenePath);
  fail(1, "INIT_LESSON cannot %s %s stop \n", what, kGenePath);
}

// Writes and closes the generated lesson file. Fatal (status 1) when a
// write or the close fails.
void write_gene(File gene, const std::string& fp_gene, LogFile& fp_log) {
  const bool written = std::fwrite(fp_gene.data(), 1, fp_gene.size(), gene.get()) == fp_gene.size();
  if (std::fclose(gene.release()) != 0 || !written) gene_failure("write", fp_log);
}

}  // namespace

std::vector<Unfollowed_reference> INIT_LESSON(int ilesson, Trf_book& book) {
  return INIT_LESSON(ilesson, book, DIFF_JOUR());
}

std::vector<Unfollowed_reference> INIT_LESSON(int ilesson, Trf_book& book, long today) {
  trace("INIT_LESSON ilesson=%d today=%ld \n", ilesson, today);
  Trf_posit& t = book.t_posit;
  if (ilesson == 0) {
    t.clear_marks();
    return {};
  }
  LogFile& fp_log = book.fp_log;
  const std::optional<std::string> path = S_IDX1_FROM_NUM(ilesson, book.G_kentel);
  if (!path) {
    no_history(t, "INIT_LESSON no lesson " + std::to_string(ilesson) + " \n", fp_log);
    return {};
  }
  LineReader fp;
  if (!fp.open(*path)) {
    no_history(t, "INIT_LESSON cannot open history file " + *path + " \n", fp_log);
    return {};
  }
  File gene(std::fopen(kGenePath, "wb"));
  if (!gene) gene_failure("create", fp_log);

  long nc = skip_header(fp, *path, fp_log);
  t.reset(kFirstCapacity);
  std::string fp_gene;
  Reference_index references;
  std::vector<Unfollowed_reference> unfollowed;
  int count = 0;
  std::string ss;
  std::optional<std::string> qr;
  std::optional<std::string> rq;
  while (aln_getline(nc, ss, fp) >= 0 && !is_end_line(ss)) {
    if (is_reference_line(ss)) {
      if (auto missed = INDIRECT_IDX1(fp_gene, book, ss, count, today, references))
        unfollowed.push_back(std::move(*missed));
      continue;
    }
    if (!is_key_line(ss)) continue;
    const int i = ++count;
    const long stats_offset = nc;
    t.make_room_for(i);
    t.posit[i] = static_cast<long>(fp_gene.size());
    fp_gene += ss;
    fp_gene += '\n';
    next_line(fp, nc, qr);
    if (qr) {
      next_line(fp, nc, rq);
    } else {
      rq.reset();
    }
    load_record(t, i, qr, rq, today, kOwnRecord, *path, fp_log);
    pointer_line(fp_gene, *path, stats_offset);
  }

  write_gene(std::move(gene), fp_gene, fp_log);
  t.nb_posit = count;
  compute_errors(t, book.t_err, today);
  MERGESORT(1, count, t.QRord_posit, t.QRcum_err);
  MERGESORT(1, count, t.RQord_posit, t.RQcum_err);
  t.clear_marks();
  SORT_CLASSMENT(t, book.t_err, today);
  fp_log.write("INIT_LESSON of lesson %d done\n", ilesson);
  return unfollowed;
}

std::optional<Unfollowed_reference> INDIRECT_IDX1(std::string& fp_gene, Trf_book& book,
                                                  const std::string& ssd, int& jcont, long today,
                                                  Reference_index& references) {
  LogFile& fp_log = book.fp_log;
  const std::optional<Key_ref> ref = parse_key_line(ssd);
  Unfollowed_reference missed;
  missed.line = ssd;
  if (ref) {
    missed.name = reference_name(ref->name_part.substr(1));  // after the second "#"
    missed.alias = ref->alias;
  }
  const int num = ref ? NUM_FROM_ALIAS(ref->alias, book.G_kentel) : -1;
  if (num < 1) {
    trace("INDIRECT_IDX1 no lesson for ssd=%s \n", ssd.c_str());
    return missed;
  }
  missed.path = S_IDX1_FROM_NUM(num, book.G_kentel).value_or("");
  const std::string& path = missed.path;
  if (!references.readable(path)) {
    fp_log.write("INDIRECT_IDX1 cannot open %s \n", path.c_str());
    say("INDIRECT_IDX1 cannot open %s \n", path.c_str());
    missed.why = Unfollowed_reference::Why::unreadable;
    return missed;
  }
  const std::optional<Referenced_record> record = references.find(path, missed.name);
  if (!record) {
    say("INDIRECT_IDX1 no detection of ssd=%s \n", ssd.c_str());
    fp_log.write("INDIRECT_IDX1 no detection of ssd=%s \n", ssd.c_str());
    fp_log.write("in file : %s \n", path.c_str());
    missed.why = Unfollowed_reference::Why::no_entry;
    return missed;
  }

  Trf_posit& t = book.t_posit;
  const int i = jcont + 1;
  t.make_room_for(i);
  t.posit[i] = static_cast<long>(fp_gene.size());
  fp_gene += record->key_line;
  fp_gene += '\n';
  load_record(t, i, record->stats_qr, record->stats_rq, today, kReferenced, path, fp_log);
  pointer_line(fp_gene, path, record->stats_offset);
  jcont = i;
  return std::nullopt;
}
