// The history files of other lessons, as the loading of a lesson looks up
// the entries its reference lines name.
//
// A reference line "##" NAME "*" ALIAS names the record of lesson ALIAS
// whose key line holds "#" NAME "*": the first line of that lesson's
// history file, before any line holding "END_OF_FILE", whose first
// character after leading blanks is "#", whose next character is not "#",
// and in which a "#" is followed by NAME and "*". Names are compared as
// entry names are: blanks around them do not count and a run of blanks is
// one blank, so "##le chat *ani", "## le chat*ani" and "#le chat *ani 8 *"
// agree. Each history file is read at most once per load, in one
// sequential pass however many references point into it, and only as far as
// its lookups need: a load looks for a few records per file. The lines read
// are kept; a lookup walks them in order before it reads on.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/line_reader.h"

// `text` as names are compared: blanks dropped at both ends, each run of
// them inside made one space. Cannot fail.
std::string reference_name(std::string_view text);

// What a lookup finds.
struct Referenced_record {
  std::string key_line;                 // the record's key line, as read
  long stats_offset = 0;                // offset of the line after it (Q->R statistics)
  std::optional<std::string> stats_qr;  // that line; nothing at end of file
  std::optional<std::string> stats_rq;  // the line after it; nothing at end of file
};

class Reference_index {
 public:
  // The record named `name` (the text between the "##" of a reference line
  // and its first "*") in the history file `path`. Nothing when no line
  // matches. Cannot fail; see readable() for a file that cannot be opened,
  // which matches nothing.
  std::optional<Referenced_record> find(const std::string& path, std::string_view name);

  // False when `path` cannot be opened for reading.
  bool readable(const std::string& path);

 private:
  struct File_lines {
    bool opened = false;
    bool complete = false;            // read to its end line and the line after it, or to its end
    long resume = 0;                  // where reading goes on while not complete
    std::string text;                 // the lines read: before the end line, it and the one after
    std::vector<std::size_t> starts;  // line j is text[starts[j], starts[j + 1])
    std::vector<long> next;           // next[j]: offset of the line after line j
    std::size_t before_end = 0;       // the lines read before the end line

    void keep(std::string_view line, long next_offset);

    std::size_t size() const { return next.size(); }
    std::string_view line(std::size_t j) const {
      return std::string_view(text).substr(starts[j], starts[j + 1] - starts[j]);
    }
  };

  File_lines& lines_of(const std::string& path);
  bool open_reader(const std::string& path);
  std::size_t read_on(const std::string& path, File_lines& f, const std::string& wanted,
                      std::size_t found);

  std::map<std::string, File_lines> files_;
  LineReader fp_;  // open on the file read last, as lookups often come back to it
  std::string fp_path_;
};
