#include "commands/dico_sort.h"

#include <algorithm>
#include <cstring>
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

constexpr std::size_t kRunBuffer = 1 << 20;

// Appends one record to `out`: the two sizes, the blank flag, key, line.
void append_record(std::string& out, bool blank, std::string_view key, std::string_view line) {
  const std::uint32_t sizes[2] = {static_cast<std::uint32_t>(key.size()),
                                  static_cast<std::uint32_t>(line.size())};
  out.append(reinterpret_cast<const char*>(sizes), sizeof sizes);
  out += blank ? '\1' : '\0';
  out += key;
  out += line;
}

// Reads the records of one run file back, through a buffer of its own.
class Run_reader {
 public:
  explicit Run_reader(std::FILE* run) : run_(run) {}

  // The next record; false at the end of the run or when it cannot be read
  // (failed() tells which).
  bool next(Record& record) {
    std::uint32_t sizes[2];
    if (!take(reinterpret_cast<char*>(sizes), sizeof sizes)) return false;
    char flag = 0;
    record.key.resize(sizes[0]);
    record.line.resize(sizes[1]);
    if (!take(&flag, 1) || !take(record.key.data(), sizes[0]) ||
        !take(record.line.data(), sizes[1])) {
      failed_ = true;
      return false;
    }
    record.blank = flag != 0;
    return true;
  }
  bool failed() const { return failed_ || std::ferror(run_) != 0; }

 private:
  bool take(char* into, std::size_t n) {
    while (n > 0) {
      if (at_ == buffer_.size()) {
        buffer_.resize(kRunBuffer);
        buffer_.resize(std::fread(buffer_.data(), 1, kRunBuffer, run_));
        at_ = 0;
        if (buffer_.empty()) return false;
      }
      const std::size_t part = std::min(n, buffer_.size() - at_);
      std::memcpy(into, buffer_.data() + at_, part);
      at_ += part;
      into += part;
      n -= part;
    }
    return true;
  }

  std::FILE* run_;
  std::string buffer_;
  std::size_t at_ = 0;
  bool failed_ = false;
};

}  // namespace

bool Dico_sorter::add(std::string_view line) {
  if (arena_.size() >= budget_ && !spill()) return false;
  // Reserved whole at once: growing by doubling copied the lines again and
  // again. Pages untouched cost nothing.
  if (arena_.capacity() < budget_) arena_.reserve(budget_ + 4096);
  std::string_view name = line.substr(line.empty() ? 0 : 1);
  lowered_.assign(name.substr(0, name.find('*')));
  for (char& c : lowered_) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  remove_accents(lowered_, key_);
  Item item;
  item.at = static_cast<std::uint32_t>(arena_.size());
  item.key_size = static_cast<std::uint32_t>(key_.size());
  item.line_size = static_cast<std::uint32_t>(line.size());
  item.blank = key_.find_first_not_of(' ') == std::string::npos;
  arena_ += key_;
  arena_ += line;
  items_.push_back(item);
  return true;
}

namespace {

// Eight bytes of `key` from `from`, zero-padded, as a number that orders as
// the bytes do: most keys differ within their first 24 bytes, so most
// comparisons of the sort are comparisons of numbers.
std::uint64_t key_prefix(std::string_view key, std::size_t from) {
  std::uint64_t prefix = 0;
  for (std::size_t i = from; i < from + 8; ++i) {
    prefix = prefix << 8 | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
  }
  return prefix;
}

}  // namespace

std::vector<std::uint32_t> Dico_sorter::sorted_items(std::string_view arena,
                                                     const std::vector<Item>& items) {
  // Two keys held whole in their prefixes, which agree, differ at most by
  // trailing NUL bytes: the shorter comes first.
  constexpr std::size_t kPrefixBytes = 24;
  constexpr std::uint8_t kLonger = 0xFF;
  struct Entry {
    std::uint64_t prefix[3];
    std::uint32_t item;
    bool named;               // not blank: blank names come first
    std::uint8_t short_size;  // the key's size when the prefix holds it whole, else kLonger
  };
  auto key_of = [&](std::uint32_t i) { return arena.substr(items[i].at, items[i].key_size); };
  std::vector<Entry> entries;
  entries.reserve(items.size());
  for (std::uint32_t i = 0; i < items.size(); ++i) {
    const std::string_view key = key_of(i);
    entries.push_back(
        {{key_prefix(key, 0), key_prefix(key, 8), key_prefix(key, 16)},
         i,
         !items[i].blank,
         key.size() <= kPrefixBytes ? static_cast<std::uint8_t>(key.size()) : kLonger});
  }
  // The item number breaks ties, which keeps lines of equal keys in the
  // order they came.
  std::sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
    if (a.named != b.named) return b.named;
    if (!a.named) return a.item < b.item;
    if (a.prefix[0] != b.prefix[0]) return a.prefix[0] < b.prefix[0];
    if (a.prefix[1] != b.prefix[1]) return a.prefix[1] < b.prefix[1];
    if (a.prefix[2] != b.prefix[2]) return a.prefix[2] < b.prefix[2];
    const int order = a.short_size != kLonger && b.short_size != kLonger
                          ? a.short_size - b.short_size
                          : key_of(a.item).compare(key_of(b.item));
    return order != 0 ? order < 0 : a.item < b.item;
  });
  std::vector<std::uint32_t> order;
  order.reserve(entries.size());
  for (const Entry& entry : entries) order.push_back(entry.item);
  return order;
}

// The lines of `arena`, sorted, in a new temporary run file; none when it
// could not be written.
Dico_sorter::Run Dico_sorter::write_run(const std::string& arena, const std::vector<Item>& items) {
  Run run(std::tmpfile());
  if (!run) return nullptr;
  const std::string_view held = arena;
  std::string out;
  out.reserve(kRunBuffer + 4096);
  auto write_out = [&] {
    const bool written = std::fwrite(out.data(), 1, out.size(), run.get()) == out.size();
    out.clear();
    return written;
  };
  for (const std::uint32_t i : sorted_items(held, items)) {
    const Item& item = items[i];
    append_record(out, item.blank, held.substr(item.at, item.key_size),
                  held.substr(item.at + item.key_size, item.line_size));
    if (out.size() >= kRunBuffer && !write_out()) return nullptr;
  }
  if (!write_out() || std::fflush(run.get()) != 0) return nullptr;
  std::rewind(run.get());
  return run;
}

// The lines held go to a run sorted and written on a second thread (or
// here, when no thread can be had) while the next lines are read; the run
// before must be done first, so that at most two are held.
bool Dico_sorter::spill() {
  if (!take_pending_run()) return false;
  pending_ = std::async(
      std::launch::async | std::launch::deferred,
      [arena = std::move(arena_), items = std::move(items_)] { return write_run(arena, items); });
  arena_ = std::string();
  items_.clear();
  return true;
}

// Waits for the run being written and keeps it, in the order the runs were
// filled. False when it could not be written.
bool Dico_sorter::take_pending_run() {
  if (!pending_.valid()) return true;
  Run run = pending_.get();
  if (!run) return false;
  runs_.push_back(std::move(run));
  return true;
}

bool Dico_sorter::for_each_sorted(const std::function<void(std::string_view)>& emit) {
  if (runs_.empty() && !pending_.valid()) {
    const std::string_view arena = arena_;
    for (const std::uint32_t i : sorted_items(arena, items_)) {
      const Item& item = items_[i];
      emit(arena.substr(item.at + item.key_size, item.line_size));
    }
    return true;
  }
  if (!items_.empty() && !spill()) return false;
  if (!take_pending_run()) return false;

  // Merge: the run that comes first on a tie is the one filled earlier,
  // which keeps ties in the order the lines were added.
  std::vector<Record> heads(runs_.size());
  std::vector<Run_reader> readers;
  for (const Run& run : runs_) readers.emplace_back(run.get());
  auto later = [&](std::size_t a, std::size_t b) {
    if (comes_first(heads[b].blank, heads[b].key, heads[a].blank, heads[a].key)) return true;
    if (comes_first(heads[a].blank, heads[a].key, heads[b].blank, heads[b].key)) return false;
    return a > b;
  };
  std::priority_queue<std::size_t, std::vector<std::size_t>, decltype(later)> queue(later);
  for (std::size_t r = 0; r < runs_.size(); ++r) {
    if (readers[r].next(heads[r])) queue.push(r);
  }
  while (!queue.empty()) {
    const std::size_t r = queue.top();
    queue.pop();
    emit(heads[r].line);
    if (readers[r].next(heads[r])) queue.push(r);
  }
  return std::none_of(readers.begin(), readers.end(),
                      [](const Run_reader& reader) { return reader.failed(); });
}
