// Lookups of referenced records, one pass per history file.
//
// A line names a record either by its own name (from its first "#" up to
// its first "*") or, rarely, by the text after a later "#" of the line up to
// the "*" that follows. A lookup walks the lines kept in file order and
// compares names where they stand; a name is only rebuilt when it holds a
// run of blanks.
#include "history/reference_index.h"

#include "history/history_format.h"
#include "history/history_reader.h"
#include "text/line_reader.h"

namespace {

// Index of the "#" that opens a candidate line, or npos: the first
// character after leading blanks is "#" and the next one is not.
std::size_t candidate_hash(std::string_view line) {
  const std::size_t b = line.find_first_not_of(' ');
  if (b == std::string_view::npos || line[b] != '#') return std::string_view::npos;
  if (b + 1 < line.size() && line[b + 1] == '#') return std::string_view::npos;
  return b;
}

// The "#" at `hash` of `line` opens `name` (as reference_name() gives
// names): the text up to the next "*" is that name, blanks aside.
bool opens_name(std::string_view line, std::size_t hash, std::string_view name) {
  const std::size_t star = line.find('*', hash + 1);
  if (star == std::string_view::npos) return false;
  std::string_view text = line.substr(hash + 1, star - hash - 1);
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return name.empty();
  text = text.substr(first, text.find_last_not_of(" \t") + 1 - first);
  if (text == name) return true;
  // Making runs of blanks single only shortens a name.
  return text.size() > name.size() && reference_name(text) == name;
}

// The line names `name`: by its own name, or after a later "#".
bool names(std::string_view line, std::string_view name) {
  const std::size_t b = candidate_hash(line);
  if (b == std::string_view::npos) return false;
  for (std::size_t h = b; h != std::string_view::npos; h = line.find('#', h + 1)) {
    if (opens_name(line, h, name)) return true;
  }
  return false;
}

}  // namespace

std::string reference_name(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return "";
  const std::size_t last = text.find_last_not_of(" \t");
  const std::string_view name = text.substr(first, last + 1 - first);
  // Most names hold single spaces only: nothing to collapse.
  if (name.find('\t') == std::string_view::npos && name.find("  ") == std::string_view::npos) {
    return std::string(name);
  }
  return collapse_blanks(name);
}

// The lines are kept in one string (a file of a few hundred lines would
// otherwise cost as many allocations as lines, for every file a load names).
// The file is read from its first line: a reference may name a line before
// the marker line. The end line and the line after it are kept too: a record
// just before the end line takes them for its statistics lines, as the
// loading of its own lesson does.
void Reference_index::File_lines::keep(std::string_view line, long next_offset) {
  text += line;
  starts.push_back(text.size());
  next.push_back(next_offset);
}

Reference_index::File_lines& Reference_index::lines_of(const std::string& path) {
  auto [it, added] = files_.try_emplace(path);
  File_lines& f = it->second;
  if (!added) return f;
  f.opened = open_reader(path);
  f.complete = !f.opened;
  f.starts.push_back(0);
  return f;
}

bool Reference_index::open_reader(const std::string& path) {
  if (fp_path_ == path && fp_.is_open()) return true;
  fp_path_.clear();
  if (!fp_.open(path)) return false;
  fp_path_ = path;
  return true;
}

// Reads on in `f` until the line `found` is followed by two lines, looking
// for the first line naming `wanted` when `found` is npos; gives `found` or
// the line it found (npos when none before the end line).
std::size_t Reference_index::read_on(const std::string& path, File_lines& f,
                                     const std::string& wanted, std::size_t found) {
  if (f.complete || (found != std::string::npos && f.size() >= found + 3)) return found;
  if (!open_reader(path)) {  // gone since it was opened: the lines read are all
    f.complete = true;
    return found;
  }
  History_reader reader(fp_, path);
  reader.seek(f.resume);
  while (found == std::string::npos || f.size() < found + 3) {
    if (!reader.next_line()) {
      f.complete = true;
      if (reader.at_end_line()) {
        f.keep(reader.line(), reader.next_offset());
        std::string after;
        if (reader.next_raw_line(after)) f.keep(after, reader.next_offset());
      }
      return found;
    }
    f.keep(reader.line(), reader.next_offset());
    f.before_end = f.size();
    if (found == std::string::npos && names(reader.line(), wanted)) found = f.size() - 1;
  }
  f.resume = reader.next_offset();
  return found;
}

bool Reference_index::readable(const std::string& path) {
  return lines_of(path).opened;
}

std::optional<Referenced_record> Reference_index::find(const std::string& path,
                                                       std::string_view name) {
  File_lines& f = lines_of(path);
  const std::string wanted = reference_name(name);
  std::size_t found = 0;
  while (found < f.before_end && !names(f.line(found), wanted)) ++found;
  found = read_on(path, f, wanted, found == f.before_end ? std::string::npos : found);
  if (found == std::string::npos) return std::nullopt;

  Referenced_record record;
  record.key_line = f.line(found);
  record.stats_offset = f.next[found];
  if (found + 1 < f.size()) record.stats_qr = std::string(f.line(found + 1));
  if (found + 2 < f.size()) record.stats_rq = std::string(f.line(found + 2));
  return record;
}
