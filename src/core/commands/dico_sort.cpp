#include "commands/dico_sort.h"

#include "base/stop.h"
#include "drill/rank_sort.h"
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

// Whether rank `r` is the first of its part when lo..hi is halved at
// (lo + hi) / 2 until the parts hold two or three ranks: the side, left or
// right, on which a merge sort of lo..hi would first compare that line.
bool opens_its_part(int lo, int hi, int r) {
  while (hi - lo > 2) {
    const int mid = lo + (hi - lo) / 2;
    if (r <= mid) {
      hi = mid;
    } else {
      lo = mid + 1;
    }
  }
  return r == lo;
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
  std::vector<Sort_item> items(static_cast<std::size_t>(hi) + 1);
  std::vector<int> order(static_cast<std::size_t>(hi) + 1);
  std::string line;
  for (int r = lo; r <= hi; ++r) {
    order[r] = r;
    items[r] = item_at(posit[r], fp, line);
  }
  for (int r = lo; r <= hi; ++r) {
    if (!items[r].broken) continue;
    const int status = opens_its_part(lo, hi, r) ? kExitBadRange : kExitBrokenWork;
    fail(status, "MERGE_ABC_FILE error %d \n", status);
  }
  sort_ranks(order, lo, hi, [&](int a, int b) {
    return !items[b].blank && (items[a].blank || items[a].key < items[b].key);
  });
  for (int r = lo; r <= hi; ++r) posit[r] = items[order[r]].offset;
}
