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
std::size_t candidate_hash(const std::string& line) {
  const std::size_t b = line.find_first_not_of(' ');
  if (b == std::string::npos || line[b] != '#') return std::string::npos;
  if (b + 1 < line.size() && line[b + 1] == '#') return std::string::npos;
  return b;
}

}  // namespace

Reference_index::File_lines& Reference_index::lines_of(const std::string& path) {
  auto [it, added] = files_.try_emplace(path);
  File_lines& f = it->second;
  if (!added) return f;

  LineReader fp;
  f.opened = fp.open(path);
  if (!f.opened) return f;
  long nc = 0;
  std::string ss;
  while (aln_getline(nc, ss, fp) >= 0) {
    f.lines.push_back(ss);
    f.next.push_back(nc);
  }
  f.searched = f.lines.size();
  for (std::size_t j = 0; j < f.lines.size(); ++j) {
    const std::string& line = f.lines[j];
    if (is_end_line(line)) {
      f.searched = j;
      break;
    }
    const std::size_t b = candidate_hash(line);
    if (b == std::string::npos) continue;
    const std::size_t star = line.find('*', b);
    if (star != std::string::npos) f.first_of_head.try_emplace(line.substr(b, star + 1 - b), j);
    if (line.find('#', b + 1) != std::string::npos) f.inner_hashes.push_back(j);
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
    if (f.lines[j].find(key) != std::string::npos) {
      found = j;
      break;
    }
  }
  if (found == std::string::npos) return std::nullopt;

  Referenced_record record;
  record.key_line = f.lines[found];
  record.stats_offset = f.next[found];
  if (found + 1 < f.lines.size()) record.stats_qr = f.lines[found + 1];
  if (found + 2 < f.lines.size()) record.stats_rq = f.lines[found + 2];
  return record;
}
