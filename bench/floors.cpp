#include "floors.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace bench {

namespace {

constexpr long kBlock = 128 * 1024;

char* block() {
  static std::vector<char> buffer(kBlock, 'x');
  return buffer.data();
}

}  // namespace

long file_size(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return 0;
  return static_cast<long>(st.st_size);
}

long cat_files(const std::vector<std::string>& paths, long limit) {
  long total = 0;
  for (const std::string& path : paths) {
    if (limit >= 0 && total >= limit) break;
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) continue;
    ssize_t n;
    while ((n = ::read(fd, block(), kBlock)) > 0) total += n;
    ::close(fd);
  }
  return total;
}

long read_range(const std::string& path, long offset, long length) {
  const int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) return 0;
  const ssize_t n = ::pread(fd, block(), static_cast<std::size_t>(std::min(length, kBlock)),
                            static_cast<off_t>(offset));
  ::close(fd);
  return n < 0 ? 0 : static_cast<long>(n);
}

void write_bytes(const std::string& path, long bytes, bool sync) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (fd < 0) return;
  while (bytes > 0) {
    const ssize_t n = ::write(fd, block(), static_cast<std::size_t>(std::min(bytes, kBlock)));
    if (n <= 0) break;
    bytes -= n;
  }
  if (sync) ::fsync(fd);
  ::close(fd);
}

void copy_file(const std::string& from, const std::string& to, bool sync) {
  const int in = ::open(from.c_str(), O_RDONLY);
  if (in < 0) return;
  const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (out >= 0) {
    ssize_t n;
    while ((n = ::read(in, block(), kBlock)) > 0) {
      if (::write(out, block(), static_cast<std::size_t>(n)) != n) break;
    }
    if (sync) ::fsync(out);
    ::close(out);
  }
  ::close(in);
}

Io_count io_count() {
  Io_count count;
  std::FILE* f = std::fopen("/proc/self/io", "r");
  if (f == nullptr) return count;
  char line[128];
  while (std::fgets(line, sizeof line, f) != nullptr) {
    long value = 0;
    if (std::sscanf(line, "rchar: %ld", &value) == 1) count.read = value;
    if (std::sscanf(line, "wchar: %ld", &value) == 1) count.written = value;
  }
  std::fclose(f);
  return count;
}

}  // namespace bench
