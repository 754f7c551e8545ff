// The order of the dictionary "./pimlo_dico": key lines sorted by entry
// name, in memory of a fixed size whatever the number of entries.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <future>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Sorts lines by entry name, a name made only of spaces before every
// other, ties in the order the lines were added. The sort key of a key line
// ("#" NAME "*" ...) is NAME, the text after the "#" up to the first "*"
// (the rest of the line without "*"), its ASCII letters made lower case,
// then its accents removed (RM_ACCENTS): "#Chat *" gives "chat ", "#\xE2ne *"
// gives "ane "; keys compare bytewise. The key of each line is computed
// once, when it is added. Lines and keys are held in memory up to `budget`
// bytes; beyond that each full run is sorted and written to an anonymous
// temporary file on a second thread while the next run is read, and the
// runs are merged when the lines are taken back. A sorter is used once: add
// every line, then take them in order.
class Dico_sorter {
 public:
  static constexpr std::size_t kBudget = 16 * 1024 * 1024;

  explicit Dico_sorter(std::size_t budget = kBudget) : budget_(budget) {}

  // Adds one line (without its line end). False when a full run could not
  // be written to a temporary file; the sorter is of no use then.
  bool add(std::string_view line);

  // Calls emit(line) for every line added, in sorted order. False when a
  // temporary file could not be written or read back; the lines emitted
  // before that are then an incomplete list.
  bool for_each_sorted(const std::function<void(std::string_view)>& emit);

  // How many runs went to temporary files (0 while everything fits), once
  // the lines were taken back.
  std::size_t spilled_runs() const { return runs_.size(); }

 private:
  struct Item {
    std::uint32_t at = 0;        // of the key in arena_, the line right after it
    std::uint32_t key_size = 0;  // bytes
    std::uint32_t line_size = 0;
    bool blank = false;  // a name made only of spaces
  };
  struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  using Run = std::unique_ptr<std::FILE, Closer>;

  static std::vector<std::uint32_t> sorted_items(std::string_view arena,
                                                 const std::vector<Item>& items);
  static Run write_run(const std::string& arena, const std::vector<Item>& items);
  bool spill();
  bool take_pending_run();

  std::size_t budget_;
  std::string arena_;
  std::vector<Item> items_;
  std::string lowered_;       // the name of the line being added, in lower case
  std::string key_;           // its key
  std::future<Run> pending_;  // the run being sorted and written
  std::vector<Run> runs_;
};
