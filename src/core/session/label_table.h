// The sound buttons of a lesson's introduction text.
//
// A button label is an upper-case ASCII letter, ">", a decimal digit, then
// any further characters up to the next space: "A>1", "C>12b". A line begins
// with a label when its first non-space characters form one (so at least
// three characters follow its leading spaces).
//
// A sound block is the run of lines of the text after a line holding
// "<)start)", up to and including the next line holding "<)end)":
//
//   <)start)
//   A>1 lecture.wav 0 300        definition line: label, file, start, stop
//   lecture.wav 600 900          range line: a further part for A>1
//   A>1 lecture.wav 900 1000     so is a line repeating the label
//   B>1 lecture.wav 300 600
//   <)end)
//
// The label table remembers, for each label defined in the block, the byte
// offset of its definition line in the working copy; the button's parts are
// read again from there when it is clicked.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class LineReader;
struct Trf_book;

struct Label_table {
  // A space, then every label in order of first definition, each followed by
  // one space: " A>1 B>1 ".
  std::string s_label = " ";
  // Element 0: the number of labels; element k: the offset of the line that
  // defines label k (its first definition when it is defined twice).
  std::vector<long> nc_label = {0};
  // The working copy those offsets belong to.
  std::string path;
};

// 1 when `str` begins with a label, with `i0` the index of its first
// character and `i1` that of its last; otherwise 0, with both set to -1.
// Cannot fail.
int PERHAPS_BUTTON(std::string_view str, int& i0, int& i1);

// The label `str` begins with; empty when it begins with none.
std::string label_of_line(std::string_view str);

// The position (from 1) of label `s` in the table, 0 when it has none (with
// the trace "Unknown  button %s  \n"). Cannot fail.
int WHAT_BUTTON(std::string_view s, const Label_table& labels);

// Reads the sound block whose first line is at offset `nc` of `fp` and
// leaves `nc` after its "<)end)" line (at most 10000 lines are read; `nc`
// is left after the last one read). The first definition line of the block
// starts a new table, dropping the one `labels` held; a block without
// labels leaves `labels` as it was. When the file ends before "<)end)",
// "EXTRACT_LABEL_BUTTON no <)end) return \n" goes on standard output and
// into the log, and the table keeps the labels found. Returns false then.
bool EXTRACT_LABEL_BUTTONS(long& nc, LineReader& fp, Label_table& labels, Trf_book& book);

// The same walk without a table and without a message: passes over a
// sound block. Returns false when the file ends before "<)end)".
bool skip_sound_block(long& nc, LineReader& fp);

// Whether the line opens or closes a sound block.
bool opens_sound_block(std::string_view line);
bool closes_sound_block(std::string_view line);
