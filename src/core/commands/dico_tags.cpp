// "!ltag": the census of the tags of all lessons.
#include "base/book.h"
#include "base/trace.h"
#include "commands/listings.h"
#include "commands/survey.h"
#include "commands/tag_tally.h"
#include "drill/day_number.h"
#include "session/display_line.h"

namespace {

constexpr const char* kTagListPath = "./pimlo_ltag";

}  // namespace

bool DICO_TAGS(Trf_book& book) {
  trace("DICO_TAGS nbt_lesson=%d \n", book.nbt_lesson);
  if (book.nb_line > 0) CLEAR_DRILL_PANE(book);
  LogFile& fp_log = book.fp_log;

  Tag_classmt classmt(fp_log);
  const long today = DIFF_JOUR();
  for (const Surveyed_lesson& lesson : surveyed_lessons(book)) {
    if (!classmt.fp_class.open(lesson.idx1_path)) {
      trace("DICO_TAGS cannot open %s \n", lesson.idx1_path.c_str());
      continue;
    }
    classmt.class_path = lesson.idx1_path;
    TAGS_EXTRACT(classmt, today);
    classmt.fp_class.close();
  }

  // The tally holds its tags in order of discovery; now alphabetically.
  MERGESORT_STG_CLASS(1, classmt.nb, classmt.order, classmt.ss_words);

  // Each line is shown first: the pane trims it and decodes its accent
  // sequences in place, and the file receives it in that form. The pane
  // keeps 200 lines; the file receives every tag.
  std::string listing;
  int lblanc = 0;
  for (int r = 1; r <= classmt.nb; ++r) {
    std::string ss = tag_display_line(classmt, classmt.order[r]);
    DISPLAY_LINE(ss, book.nb_line, lblanc, book);
    listing += "!  ";
    listing += ss;
    listing += " \n";
  }
  const bool written = write_listing(kTagListPath, listing, "DICO_TAGS", fp_log);
  fp_log.write("DICO_TAGS done\n");
  trace("DICO_TAGS nb=%d nb_line=%d \n", classmt.nb, book.nb_line);
  return written;
}
