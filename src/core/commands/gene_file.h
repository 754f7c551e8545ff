// The generated lesson file "./idx2_gene" while a generator writes it.
//
// Entries are appended one after the other, each at the offset that the
// generator keeps in posit[] (history/lesson_load.h gives the format):
//
//   KEY_LINE "\n"                    the record's key line as read
//   " " HISTORY_PATH " * " NC1 " \n"  where its Q->R statistics line lies
//
// and a finished file ends with "# END_OF_FILE * " OFFSET " \n", OFFSET
// being where that end line begins. The file is written through one stdio
// stream; flush() makes what was written readable to the checks, which open
// the file by name.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

class LogFile;

class Gene_file {
 public:
  // Creates (empties) "./idx2_gene" for generator `who` (the name used in
  // its messages). Fatal (status 1) when it cannot be created:
  // "<who> cannot create ./idx2_gene stop \n", on standard output and in
  // the log.
  Gene_file(const char* who, LogFile& fp_log);
  ~Gene_file();
  Gene_file(const Gene_file&) = delete;
  Gene_file& operator=(const Gene_file&) = delete;

  // Appends the entry of a record and returns the offset at which it
  // begins. Fatal (status 1, "<who> cannot write ./idx2_gene stop \n") when
  // the write fails.
  long add_entry(const std::string& key_line, const std::string& history_path, long nc1);

  // Writes out what the stream holds. Fatal as add_entry.
  void flush();

  // Appends the end line and closes the file. Fatal as add_entry, also when
  // the close fails.
  void finish();

  // Closes the file as it stands, without end line. Fatal as finish.
  void close();

  // The length of the file written so far: where the next entry begins.
  long size() const { return size_; }

  const char* path() const;

 private:
  void put(const std::string& bytes);
  [[noreturn]] void failure(const char* what);

  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  std::unique_ptr<std::FILE, Closer> fp_;
  const char* who_;
  LogFile& fp_log_;
  long size_ = 0;
};
