#include "app/work_dir_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "base/stop.h"
#include "base/trace.h"

Work_dir_lock::~Work_dir_lock() {
  if (fd_ >= 0) ::close(fd_);
}

// The descriptor is not inherited by programs started later (O_CLOEXEC), so
// the lock ends with this process.
void Work_dir_lock::take() {
  if (fd_ >= 0) return;
  const int fd = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    trace("Work_dir_lock cannot open the working directory: %s \n", std::strerror(errno));
    return;
  }
  int locked;
  do {
    locked = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (locked != 0 && errno == EINTR);
  if (locked == 0) {
    fd_ = fd;
    return;
  }
  const int error = errno;
  ::close(fd);
  if (error == EWOULDBLOCK) {
    fail(kExitBadInput, "another pimlo.x is already running in this working directory stop \n");
  }
  trace("Work_dir_lock cannot lock the working directory: %s \n", std::strerror(error));
}
