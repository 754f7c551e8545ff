// Lookups of referenced records, one pass per history file.
//
// A line names a record either by its own name (from its first "#" up to
// its first "*") or, rarely, by the text after a later "#" of the line up to
// the "*" that follows. So the first match is the first line with that own
// name (one hash lookup) or, if earlier, the first line holding a later "#"
// that names it; such lines are rare and are scanned in file order.
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

// The name that the "#" at `hash` of `line` opens: the text up to the next
// "*"; nothing without one.
std::optional<std::string> name_after(std::string_view line, std::size_t hash) {
  const std::size_t star = line.find('*', hash + 1);
  if (star == std::string_view::npos) return std::nullopt;
  return reference_name(line.substr(hash + 1, star - hash - 1));
}

// A "#" after the line's first one opens `name`.
bool names_inside(std::string_view line, std::size_t first_hash, const std::string& name) {
  for (std::size_t h = line.find('#', first_hash + 1); h != std::string_view::npos;
       h = line.find('#', h + 1)) {
    if (name_after(line, h) == name) return true;
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
Reference_index::File_lines& Reference_index::lines_of(const std::string& path) {
  auto [it, added] = files_.try_emplace(path);
  File_lines& f = it->second;
  if (!added) return f;

  LineReader fp;
  f.opened = fp.open(path);
  if (!f.opened) return f;
  History_reader reader(fp, path);
  f.starts.push_back(0);
  const auto keep = [&f](std::string_view line, long next) {
    f.text += line;
    f.starts.push_back(f.text.size());
    f.next.push_back(next);
  };
  while (reader.next_line()) {
    const std::string_view line = reader.line();
    const std::size_t j = f.size();
    keep(reader.line(), reader.next_offset());
    const std::size_t b = candidate_hash(line);
    if (b == std::string_view::npos) continue;
    if (std::optional<std::string> name = name_after(line, b))
      f.first_of_name.try_emplace(std::move(*name), j);
    if (line.find('#', b + 1) != std::string_view::npos) f.inner_hashes.push_back(j);
  }
  if (reader.at_end_line()) {
    keep(reader.line(), reader.next_offset());
    std::string after;
    if (reader.next_raw_line(after)) keep(after, reader.next_offset());
  }
  return f;
}

bool Reference_index::readable(const std::string& path) {
  return lines_of(path).opened;
}

std::optional<Referenced_record> Reference_index::find(const std::string& path,
                                                       std::string_view name) {
  const File_lines& f = lines_of(path);
  const std::string wanted = reference_name(name);
  std::size_t found = std::string::npos;
  if (const auto own = f.first_of_name.find(wanted); own != f.first_of_name.end()) {
    found = own->second;
  }
  for (std::size_t j : f.inner_hashes) {
    if (j >= found) break;
    if (names_inside(f.line(j), candidate_hash(f.line(j)), wanted)) {
      found = j;
      break;
    }
  }
  if (found == std::string::npos) return std::nullopt;

  Referenced_record record;
  record.key_line = f.line(found);
  record.stats_offset = f.next[found];
  if (found + 1 < f.size()) record.stats_qr = std::string(f.line(found + 1));
  if (found + 2 < f.size()) record.stats_rq = std::string(f.line(found + 2));
  return record;
}
