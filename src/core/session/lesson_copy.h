// The working copy of the current lesson, held open between two window
// events and shared by its two readers: the lesson text view opens it to show
// the lesson's introduction and later plays the sound parts that the buttons
// point at; the drill opens it for the entry on screen and reads that entry's
// lines from their offset. Whoever needs another lesson's copy opens it here,
// which closes the one held before; the lesson announcement closes it.
//
// The session holds it for the whole run.
#pragma once

#include <string>

#include "text/line_reader.h"

class Lesson_copy {
 public:
  // Closes the copy held, then opens `path` for reading. Returns false when
  // it cannot be opened (or is a directory); nothing is held then.
  bool open(const std::string& path) {
    close();
    if (!fp_.open(path)) return false;
    path_ = path;
    return true;
  }

  // Lets the copy go. Does nothing when none is held.
  void close() {
    fp_.close();
    path_.clear();
  }

  bool is_open() const { return fp_.is_open(); }

  // The reader of the copy held, for aln_getline. Reading a closed copy
  // gives -1 (not a position of the file), never a crash.
  LineReader& fp() { return fp_; }

  // Path of the copy held; empty when none is.
  const std::string& path() const { return path_; }

 private:
  LineReader fp_;
  std::string path_;
};
