#include "history/history_writer.h"

#include "base/stop.h"
#include "base/trace.h"
#include "history/history_format.h"

std::string IDX1_DICO_NONAME_LINE(const LessonItem& item, const std::string& st_alias) {
  std::string key = entry_key(item.name, st_alias, item.position, "");
  trace("IDX1_DICO_NONAME_LINE s1=%s@@@ \n", key.c_str());
  return key;
}

// A file name holding "idx" elsewhere ("idx1_index.txt") does not make the
// path faulty: only the absence of "idx1" does.
void check_idx1_path(LogFile& fp_log, const std::string& sfp1, const char* who) {
  if (sfp1.find("idx1") != std::string::npos) return;
  const std::size_t idx = sfp1.rfind("idx");
  const char c = idx != std::string::npos && idx + 3 < sfp1.size() ? sfp1[idx + 3] : ' ';
  fp_log.fail(kExitBadInput, "%s erreur 1 stop c=%c \n", who, c);
}

namespace {

// Key line text and name part of a named entry; an entry without "*" is
// given one at the end of its line.
std::string key_of_named_entry(LogFile& fp_log, const LessonItem& item, const std::string& sfp1,
                               const std::string& st_alias, const char* who) {
  if (!item.has_star) {
    fp_log.write(
        "%s entry without * in lesson %s at offset %ld: #%s@@@ is taken as if its line ended "
        "with * (file : %s) \n",
        who, st_alias.c_str(), item.position, item.name.c_str(), sfp1.c_str());
  }
  return entry_key(item.name, st_alias, item.position, item.tail);
}

// A reference line of the lesson, as read, except "# #": that one would be
// read back as a key line without its statistics lines, and every load of
// the lesson would stop, so its blanks between the two "#" are dropped. An
// indented line is kept as it is: the readers pass over a line that begins
// with a blank, and the loader does not follow it. Cannot fail.
std::string reference_line_text(const std::string& line) {
  if (line.empty() || line[0] != '#') return line;
  const std::size_t second = line.find_first_not_of(' ', 1);
  return "##" + line.substr(second + 1);
}

void write_record(AtomicFile& fpi, const std::string& key, const Stat_lines& stats) {
  fpi.write(key_line(key));
  fpi.write(stats.qr);
  fpi.write("\r\n");
  fpi.write(stats.rq);
  fpi.write("\r\n");
}

}  // namespace

int write_history_file(LogFile& fp_log, LineReader& fp, const std::string& sfp1,
                       const std::string& st_alias, AtomicFile& fpi, const char* who,
                       const Stats_of_name& stats_of) {
  fpi.write(header_line(sfp1, st_alias));
  fpi.write(marker_line());

  int met = 0;
  int records = 0;
  LessonReader reader(fp);
  while (std::optional<LessonItem> item = reader.next()) {
    ++met;
    if (item->kind == LessonItemKind::reference) {
      fpi.write(reference_line_text(item->line));
      fpi.write(" \r\n");
      continue;
    }
    const std::string key = item->kind == LessonItemKind::nameless_entry
                                ? IDX1_DICO_NONAME_LINE(*item, st_alias)
                                : key_of_named_entry(fp_log, *item, sfp1, st_alias, who);
    // Records are matched by the key line's text before its first "*",
    // which for a nameless entry whose question holds a "*" is shorter
    // than its name.
    write_record(fpi, key, stats_of(key.substr(1, key.find('*') - 1)));
    ++records;
  }

  fp_log.write("Primary entries (words, expressions ...) : %d \n", records);
  fpi.write(end_line(reader.stop_offset()));
  return met;
}

void log_entrance(LogFile& fp_log, const char* who, const std::string& sfp1,
                  const std::string& st_alias) {
  fp_log.write(" \n");
  fp_log.write(" \n");
  fp_log.write("              ************\n");
  fp_log.write(" \n");
  fp_log.write("entrance %s s_fp=%s %s@@@ \n", who, sfp1.c_str(), st_alias.c_str());
}
