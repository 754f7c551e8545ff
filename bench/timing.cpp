#include "timing.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>

extern char** environ;

namespace bench {

double now() {
  using clock = std::chrono::steady_clock;
  return std::chrono::duration<double>(clock::now().time_since_epoch()).count();
}

double cpu_now() {
  timespec t{};
  ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double median(std::vector<double> samples) {
  if (samples.empty()) return 0;
  std::sort(samples.begin(), samples.end());
  const std::size_t mid = samples.size() / 2;
  if (samples.size() % 2 == 1) return samples[mid];
  return (samples[mid - 1] + samples[mid]) / 2;
}

Cost median(const std::vector<Cost>& samples) {
  std::vector<double> wall, cpu;
  for (const Cost& c : samples) {
    wall.push_back(c.wall);
    cpu.push_back(c.cpu);
  }
  return {median(wall), median(cpu)};
}

Cost time_median(int reps, const std::function<void()>& work, const std::function<void()>& before) {
  std::vector<Cost> samples;
  for (int r = 0; r < reps; ++r) {
    if (before) before();
    const double start = now();
    const double cpu_start = cpu_now();
    work();
    samples.push_back({now() - start, cpu_now() - cpu_start});
  }
  return median(samples);
}

namespace {

// The environment of this process without DISPLAY (and without the trace
// switch, whose output would be timed too).
std::vector<char*> child_environment() {
  std::vector<char*> env;
  for (char** e = environ; *e != nullptr; ++e) {
    if (std::strncmp(*e, "DISPLAY=", 8) == 0 || std::strncmp(*e, "PIMLO_TRACE=", 12) == 0) continue;
    env.push_back(*e);
  }
  env.push_back(nullptr);
  return env;
}

}  // namespace

Child_run run_child(const std::vector<std::string>& argv, const std::string& dir) {
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  std::vector<char*> env = child_environment();

  Child_run run;
  const double start = now();
  const pid_t pid = ::fork();
  if (pid < 0) return run;
  if (pid == 0) {
    const int null_fd = ::open("/dev/null", O_WRONLY);
    if (null_fd >= 0) {
      ::dup2(null_fd, 1);
      ::dup2(null_fd, 2);
    }
    if (::chdir(dir.c_str()) != 0) ::_exit(127);
    ::execve(args[0], args.data(), env.data());
    ::_exit(127);
  }
  int status = 0;
  struct rusage usage {};
  while (::wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
  }
  run.cost.wall = now() - start;
  run.cost.cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                 static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
  run.peak_kib = usage.ru_maxrss;
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

Child_run run_shell(const std::string& command, const std::string& dir) {
  return run_child({"/bin/sh", "-c", command}, dir);
}

long own_peak_kib() {
  struct rusage usage {};
  ::getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace bench
