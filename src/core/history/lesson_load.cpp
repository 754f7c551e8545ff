// Loading a lesson's history file into the drill table, in one sequential
// pass that also writes "./idx1_gene".
#include "history/lesson_load.h"

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
#include "history/gene_file.h"
#include "history/history_format.h"
#include "history/history_reader.h"
#include "history/reference_index.h"
#include "text/line_reader.h"

namespace {

constexpr int kFirstCapacity = 10;

constexpr Reader_name kOwnRecord{"INIT_LESSON", Reader_name::Voice::drill, "error 3 stop r"};
constexpr Reader_name kReferenced{"INDIRECT_IDX1", Reader_name::Voice::drill, "error 2 stop 3",
                                  true};

// Element `i` takes the counts and days of its record, and its entry in the
// generated lesson file.
void add_element(Trf_book& book, Gene_file& gene, int i, std::string_view key_line,
                 const std::string& path, const Record_counts& counts) {
  Trf_posit& t = book.t_posit;
  t.make_room_for(i);
  for (int sens_qr : {1, 2}) {
    const Sense_history& h = sens_qr == 1 ? counts.qr : counts.rq;
    store_loaded_history(t, i, sens_qr, h.nb, h.nok, h.date_ok, h.date_nok);
  }
  t.posit[i] = gene.add_entry(key_line, path, counts.stats_offset);
}

// The lesson cannot be loaded: said, and the drill starts on an empty table.
void no_history(Trf_posit& t, const std::string& text, LogFile& fp_log) {
  fp_log.write("%s", text.c_str());
  say("%s", text.c_str());
  t.reset(kFirstCapacity);
  t.clear_marks();
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
  Gene_file gene(ilesson, "INIT_LESSON", fp_log);

  History_reader reader(fp, *path);
  reader.skip_header(kOwnRecord, fp_log);
  t.reset(kFirstCapacity);
  Reference_index references;
  const Catalogue_lists lists(book.G_kentel);
  std::vector<Unfollowed_reference> unfollowed;
  int count = 0;
  while (reader.next_line()) {
    if (reader.at_reference_line()) {
      if (auto missed = INDIRECT_IDX1(gene, book, reader.line(), count, today, references, lists))
        unfollowed.push_back(std::move(*missed));
      continue;
    }
    if (!reader.at_key_line()) continue;
    const int i = ++count;
    const Record_counts counts = reader.read_record(kOwnRecord, i, today, fp_log);
    add_element(book, gene, i, reader.line(), *path, counts);
  }

  gene.close();
  t.nb_posit = count;
  compute_errors(t, book.t_err, today);
  MERGESORT(1, count, t.QRord_posit, t.QRcum_err);
  MERGESORT(1, count, t.RQord_posit, t.RQcum_err);
  t.clear_marks();
  SORT_CLASSMENT(t, book.t_err, today);
  fp_log.write("INIT_LESSON of lesson %d done\n", ilesson);
  return unfollowed;
}

std::optional<Unfollowed_reference> INDIRECT_IDX1(Gene_file& fp_gene, Trf_book& book,
                                                  std::string_view ssd, int& jcont, long today,
                                                  Reference_index& references,
                                                  const Catalogue_lists& lists) {
  LogFile& fp_log = book.fp_log;
  const std::optional<Key_ref> ref = parse_key_line(ssd);
  Unfollowed_reference missed;
  missed.line.assign(ssd);
  if (ref) {
    missed.name = reference_name(ref->name_part.substr(1));  // after the second "#"
    missed.alias = ref->alias;
  }
  const int num = ref ? NUM_FROM_ALIAS(ref->alias, book.G_kentel, lists.aliases) : -1;
  if (num < 1) {
    trace("INDIRECT_IDX1 no lesson for ssd=%s \n", missed.line.c_str());
    return missed;
  }
  missed.path = S_IDX1_FROM_NUM(num, book.G_kentel, lists.lessons).value_or("");
  const std::string& path = missed.path;
  if (!references.readable(path)) {
    fp_log.write("INDIRECT_IDX1 cannot open %s \n", path.c_str());
    say("INDIRECT_IDX1 cannot open %s \n", path.c_str());
    missed.why = Unfollowed_reference::Why::unreadable;
    return missed;
  }
  const std::optional<Referenced_record> record = references.find(path, missed.name);
  if (!record) {
    say("INDIRECT_IDX1 no detection of ssd=%s \n", missed.line.c_str());
    fp_log.write("INDIRECT_IDX1 no detection of ssd=%s \n", missed.line.c_str());
    fp_log.write("in file : %s \n", path.c_str());
    missed.why = Unfollowed_reference::Why::no_entry;
    return missed;
  }

  const int i = jcont + 1;
  Record_counts counts =
      checked_record(kReferenced, path, i, today, record->stats_qr, record->stats_rq, fp_log);
  counts.stats_offset = record->stats_offset;
  add_element(book, fp_gene, i, record->key_line, path, counts);
  jcont = i;
  return std::nullopt;
}
