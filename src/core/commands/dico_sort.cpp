#include "commands/dico_sort.h"

#include <algorithm>
#include <numeric>
#include <queue>

#include "text/accents.h"

namespace {

// A line as a run file holds it: the sort key and the line itself, each
// after its size.
struct Record {
  bool blank = false;
  std::string key;
  std::string line;
};

bool comes_first(bool blank_a, std::string_view key_a, bool blank_b, std::string_view key_b) {
  return !blank_b && (blank_a || key_a < key_b);
}

bool write_record(std::FILE* run, bool blank, std::string_view key, std::string_view line) {
  const std::uint32_t sizes[2] = {static_cast<std::uint32_t>(key.size()),
                                  static_cast<std::uint32_t>(line.size())};
  const char flag = blank ? 1 : 0;
  return std::fwrite(sizes, sizeof sizes, 1, run) == 1 && std::fwrite(&flag, 1, 1, run) == 1 &&
         std::fwrite(key.data(), 1, key.size(), run) == key.size() &&
         std::fwrite(line.data(), 1, line.size(), run) == line.size();
}

// The next record of `run`; false at its end or when it cannot be read
// (`failed` tells which).
bool read_record(std::FILE* run, Record& record, bool& failed) {
  std::uint32_t sizes[2];
  char flag = 0;
  if (std::fread(sizes, sizeof sizes, 1, run) != 1) {
    failed = std::ferror(run) != 0 || !std::feof(run);
    return false;
  }
  record.blank = std::fread(&flag, 1, 1, run) == 1 && flag != 0;
  record.key.resize(sizes[0]);
  record.line.resize(sizes[1]);
  if (std::fread(record.key.data(), 1, sizes[0], run) != sizes[0] ||
      std::fread(record.line.data(), 1, sizes[1], run) != sizes[1]) {
    failed = true;
    return false;
  }
  return true;
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

bool Dico_sorter::add(std::string_view line) {
  if (arena_.size() >= budget_ && !spill()) return false;
  const std::string key = entry_name_key(line);
  Item item;
  item.at = static_cast<std::uint32_t>(arena_.size());
  item.key_size = static_cast<std::uint32_t>(key.size());
  item.line_size = static_cast<std::uint32_t>(line.size());
  item.blank = key.find_first_not_of(' ') == std::string::npos;
  arena_ += key;
  arena_ += line;
  items_.push_back(item);
  return true;
}

std::vector<std::uint32_t> Dico_sorter::sorted_items() const {
  std::vector<std::uint32_t> order(items_.size());
  std::iota(order.begin(), order.end(), 0);
  const std::string_view arena = arena_;
  std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
    const Item& x = items_[a];
    const Item& y = items_[b];
    return comes_first(x.blank, arena.substr(x.at, x.key_size), y.blank,
                       arena.substr(y.at, y.key_size));
  });
  return order;
}

// Writes the lines held in memory, sorted, to a new temporary run file.
bool Dico_sorter::spill() {
  Run run(std::tmpfile());
  if (!run) return false;
  const std::string_view arena = arena_;
  for (const std::uint32_t i : sorted_items()) {
    const Item& item = items_[i];
    if (!write_record(run.get(), item.blank, arena.substr(item.at, item.key_size),
                      arena.substr(item.at + item.key_size, item.line_size))) {
      return false;
    }
  }
  if (std::fflush(run.get()) != 0) return false;
  std::rewind(run.get());
  runs_.push_back(std::move(run));
  arena_.clear();
  items_.clear();
  return true;
}

bool Dico_sorter::for_each_sorted(const std::function<void(std::string_view)>& emit) {
  if (runs_.empty()) {
    const std::string_view arena = arena_;
    for (const std::uint32_t i : sorted_items()) {
      const Item& item = items_[i];
      emit(arena.substr(item.at + item.key_size, item.line_size));
    }
    return true;
  }
  if (!items_.empty() && !spill()) return false;

  // Merge: the run that comes first on a tie is the one filled earlier,
  // which keeps ties in the order the lines were added.
  std::vector<Record> heads(runs_.size());
  bool failed = false;
  auto later = [&](std::size_t a, std::size_t b) {
    if (comes_first(heads[b].blank, heads[b].key, heads[a].blank, heads[a].key)) return true;
    if (comes_first(heads[a].blank, heads[a].key, heads[b].blank, heads[b].key)) return false;
    return a > b;
  };
  std::priority_queue<std::size_t, std::vector<std::size_t>, decltype(later)> queue(later);
  for (std::size_t r = 0; r < runs_.size(); ++r) {
    if (read_record(runs_[r].get(), heads[r], failed)) queue.push(r);
  }
  while (!queue.empty() && !failed) {
    const std::size_t r = queue.top();
    queue.pop();
    emit(heads[r].line);
    if (read_record(runs_[r].get(), heads[r], failed)) queue.push(r);
  }
  return !failed;
}
