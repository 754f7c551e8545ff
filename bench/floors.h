// The floor of an operation: the time plain reads and writes of the same
// bytes take, done the way cat and cp do them (open, read or write in large
// blocks, close), in this process, so that the operation and its floor pay
// the same costs of the machine.
#pragma once

#include <string>
#include <vector>

namespace bench {

// Size of a file in bytes; 0 when it does not exist.
long file_size(const std::string& path);

// Reads the files `paths` whole, in order, stopping once `limit` bytes were
// read (a negative limit reads them all). Returns the bytes read.
long cat_files(const std::vector<std::string>& paths, long limit = -1);

// Reads `length` bytes of `path` from `offset`, as one open, read, close.
long read_range(const std::string& path, long offset, long length);

// Writes `bytes` bytes into a new file `path` (replacing it); with `sync`
// the file is synced to disk before it is closed.
void write_bytes(const std::string& path, long bytes, bool sync = false);

// Copies `from` to `to` as cp does; with `sync` the copy is synced to disk.
void copy_file(const std::string& from, const std::string& to, bool sync = false);

// Bytes this process read and wrote through system calls so far
// (/proc/self/io: rchar, wchar); 0 when not available.
struct Io_count {
  long read = 0;
  long written = 0;
};
Io_count io_count();

}  // namespace bench
