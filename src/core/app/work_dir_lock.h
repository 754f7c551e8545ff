// One program per working directory.
//
// Two programs working in one directory would overwrite each other's
// "./idx1_gene", history files and log. The working directory itself is
// locked with flock (no lock file is left behind), for as long as the lock
// object lives; the kernel drops the lock when the process ends, however it
// ends, so a crash never leaves a stale lock.
#pragma once

class Work_dir_lock {
 public:
  Work_dir_lock() = default;
  ~Work_dir_lock();
  Work_dir_lock(const Work_dir_lock&) = delete;
  Work_dir_lock& operator=(const Work_dir_lock&) = delete;

  // Locks the current directory. When another process holds it, prints
  // "another pimlo.x is already running in this working directory stop \n"
  // and stops with status 1, having written nothing. A directory that cannot
  // be opened or a file system without locks is not an error: the program
  // then runs unguarded (traced).
  void take();

  bool held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};
