// Lookups of referenced records, one pass per history file.
//
// A key begins with "#" and ends with its only "*". A line contains it
// either at its first non-blank character, and then the line's head (from
// that "#" up to its first "*") equals the key, or at a later "#". So the
// first match is the first line with that head (one hash lookup) or, if
// earlier, the first line holding a later "#" that contains the key; such
// lines are rare and are scanned in file order.
#include "history/reference_index.h"

#include "history/history_format.h"
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

}  // namespace

// The lines are kept in one string (a file of a few hundred lines would
// otherwise cost as many allocations as lines, for every file a load names).
Reference_index::File_lines& Reference_index::lines_of(const std::string& path) {
  auto [it, added] = files_.try_emplace(path);
  File_lines& f = it->second;
  if (!added) return f;

  LineReader fp;
  f.opened = fp.open(path);
  if (!f.opened) return f;
  long nc = 0;
  std::string ss;
  f.starts.push_back(0);
  while (aln_getline(nc, ss, fp) >= 0) {
    f.text += ss;
    f.starts.push_back(f.text.size());
    f.next.push_back(nc);
  }
  f.searched = f.size();
  for (std::size_t j = 0; j < f.size(); ++j) {
    const std::string_view line = f.line(j);
    if (is_end_line(line)) {
      f.searched = j;
      break;
    }
    const std::size_t b = candidate_hash(line);
    if (b == std::string_view::npos) continue;
    const std::size_t star = line.find('*', b);
    if (star != std::string_view::npos)
      f.first_of_head.try_emplace(line.substr(b, star + 1 - b), j);
    if (line.find('#', b + 1) != std::string_view::npos) f.inner_hashes.push_back(j);
  }
  return f;
}

bool Reference_index::readable(const std::string& path) {
  return lines_of(path).opened;
}

std::optional<Referenced_record> Reference_index::find(const std::string& path,
                                                       const std::string& key) {
  const File_lines& f = lines_of(path);
  std::size_t found = std::string::npos;
  if (const auto head = f.first_of_head.find(key); head != f.first_of_head.end()) {
    found = head->second;
  }
  for (std::size_t j : f.inner_hashes) {
    if (j >= found) break;
    if (f.line(j).find(key) != std::string_view::npos) {
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
