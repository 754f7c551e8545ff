#include "history/old_records.h"

#include <algorithm>

#include "base/trace.h"
#include "history/history_format.h"
#include "history/history_reader.h"
#include "text/encoding.h"

namespace {

std::string without_trailing_blanks(std::string_view text) {
  const std::size_t end = text.find_last_not_of(' ');
  return std::string(end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1));
}

// The name of a key line and whether the line holds a "*": the text between
// the "#" and the first "*"; without "*", the rest of the line less its
// trailing blanks.
std::pair<std::string, bool> name_of_key_line(std::string_view line) {
  const std::size_t star = line.find('*');
  if (star == std::string_view::npos) return {without_trailing_blanks(line.substr(1)), false};
  return {std::string(line.substr(1, star - 1)), true};
}

// The form under which a name is looked up. The line reader converts a
// line from UTF-8 when the whole line can be converted, so one name may
// come back in either form: written in UTF-8 from a lesson line that could
// not be converted as a whole (a character beyond the 101 characters of the
// key), then read back converted. Both sides are looked up converted.
std::string lookup_form(const std::string& name) {
  const bool plain = std::all_of(name.begin(), name.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (plain) return name;
  const Utf8Marks marks = judge_utf8_marks(name);
  if (!marks.utf || marks.iso) return name;
  return utf8_to_cp1252(name).value_or(name);
}

void add_record(Trf_classmt& trf_classmt, long offset, std::string_view line) {
  auto [name, has_star] = name_of_key_line(line);
  const int j = ++trf_classmt.nb;
  if (!has_star) {
    trf_classmt.fp_log.write(
        "CLASS_OLD_WORDS key line without * taken whole as name=%s@@@ in file : %s \n",
        name.c_str(), trf_classmt.class_path.c_str());
  }
  auto& first = has_star ? trf_classmt.first_of_name : trf_classmt.first_of_starless_name;
  first.emplace(lookup_form(name), j);
  trf_classmt.value.push_back(offset);
  trf_classmt.names.push_back(std::move(name));
}

}  // namespace

bool open_old_records(Trf_classmt& trf_classmt, const std::string& path) {
  trf_classmt.class_path = path;
  return trf_classmt.fp_class.open(path);
}

void CLASS_OLD_WORDS(Trf_classmt& trf_classmt) {
  History_reader reader(trf_classmt.fp_class, trf_classmt.class_path);
  reader.skip_header({"CLASS_OLD_WORDS", Reader_name::Voice::old_records}, trf_classmt.fp_log);
  trf_classmt.nb = 0;
  trf_classmt.value.assign(1, 0);
  trf_classmt.names.assign(1, std::string());
  trf_classmt.first_of_name.clear();
  trf_classmt.first_of_starless_name.clear();
  while (reader.next_line()) {
    if (reader.at_key_line()) add_record(trf_classmt, reader.line_offset(), reader.line());
  }
  trace("CLASS_OLD_WORDS nb=%d file=%s \n", trf_classmt.nb, trf_classmt.class_path.c_str());
}

int find_old_record(const Trf_classmt& trf_classmt, const std::string& name_part) {
  const std::string name = lookup_form(name_part);
  if (auto found = trf_classmt.first_of_name.find(name); found != trf_classmt.first_of_name.end()) {
    return found->second;
  }
  if (trf_classmt.first_of_starless_name.empty()) return 0;
  auto found = trf_classmt.first_of_starless_name.find(without_trailing_blanks(name));
  return found == trf_classmt.first_of_starless_name.end() ? 0 : found->second;
}

Old_record_lines read_old_record(Trf_classmt& trf_classmt, int j) {
  Old_record_lines record;
  if (j < 1 || j > trf_classmt.nb) {
    record.cut = Old_record_lines::Cut::key;
    return record;
  }
  History_reader reader(trf_classmt.fp_class, trf_classmt.class_path);
  reader.seek(trf_classmt.value[j]);
  if (!reader.next_line()) {
    record.cut = Old_record_lines::Cut::key;
    return record;
  }
  record.carries_name =
      reader.at_key_line() && name_of_key_line(reader.line()).first == trf_classmt.names[j];
  if (!record.carries_name) return record;
  if (!reader.next_line()) {
    record.cut = Old_record_lines::Cut::first;
    return record;
  }
  record.stats_qr.assign(reader.line());
  if (!reader.next_line()) {
    record.cut = Old_record_lines::Cut::second;
    return record;
  }
  record.stats_rq.assign(reader.line());
  return record;
}
