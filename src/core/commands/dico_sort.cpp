#include "commands/dico_sort.h"

#include "base/stop.h"
#include "commands/key_merge_sort.h"
#include "history/history_format.h"
#include "text/accents.h"

namespace {

// One line of the work file as the sort sees it.
struct Sort_item {
  long offset = 0;
  bool broken = false;  // no key line at the offset
  bool blank = false;   // a name made only of spaces
  std::string key;
};

// `line` is the caller's buffer, kept from item to item.
Sort_item item_at(long offset, LineReader& fp, std::string& line) {
  Sort_item item;
  item.offset = offset;
  long nc = offset;
  if (aln_getline(nc, line, fp) < 0 || is_end_line(line) || line.empty() || line[0] != '#') {
    item.broken = true;
    return item;
  }
  item.key = entry_name_key(line);
  item.blank = item.key.find_first_not_of(' ') == std::string::npos;
  return item;
}

}  // namespace

std::string entry_name_key(std::string_view key_line) {
  std::string_view name = key_line.substr(key_line.empty() ? 0 : 1);
  name = name.substr(0, name.find('*'));
  std::string key(name);
  for (char& c : key) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  RM_ACCENTS(key);
  return key;
}

void MERGESORT_ABC_FILE(int lo, int hi, std::vector<long>& posit, LineReader& fp) {
  if (hi <= lo) return;
  std::vector<Sort_item> items;
  items.reserve(static_cast<std::size_t>(hi - lo) + 1);
  std::vector<int> order(static_cast<std::size_t>(hi) + 1);
  std::string line;
  for (int r = lo; r <= hi; ++r) {
    order[r] = static_cast<int>(items.size());
    items.push_back(item_at(posit[r], fp, line));
  }
  listing_sort::merge_sort(order, lo, hi, [&](int left, int right) {
    const Sort_item& a = items[left];
    const Sort_item& b = items[right];
    if (a.broken) fail(13, "MERGE_ABC_FILE error 13 \n");
    if (b.broken) fail(14, "MERGE_ABC_FILE error 14 \n");
    if (a.blank) return true;
    if (b.blank) return false;
    return a.key <= b.key;
  });
  for (int r = lo; r <= hi; ++r) posit[r] = items[order[r]].offset;
}
