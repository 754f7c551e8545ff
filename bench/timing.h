// Clocks, medians and child processes for the benchmark driver.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace bench {

// Wall-clock seconds since an arbitrary start.
double now();

// Processor seconds (user and system) this process used so far.
double cpu_now();

// Median of `samples` (0 for none).
double median(std::vector<double> samples);

// What an operation cost, in seconds: wall-clock time and processor time
// (user and system; the machine may be busy with others, so the processor
// time shows what the wall-clock time hides).
struct Cost {
  double wall = 0;
  double cpu = 0;
};

// Median costs (each by itself) of `samples`.
Cost median(const std::vector<Cost>& samples);

// Runs `work` `reps` times and returns the median of its costs. `before`,
// when given, runs before each repetition, untimed.
Cost time_median(int reps, const std::function<void()>& work,
                 const std::function<void()>& before = nullptr);

// What a child process cost.
struct Child_run {
  Cost cost;
  long peak_kib = 0;  // its maximum resident set size
  int status = -1;    // exit status, or -1 when it did not exit normally
};

// Runs `argv` in directory `dir` with the environment of this process
// minus DISPLAY, its standard output and error sent to /dev/null, and
// waits for it. A program that cannot be started gives status 127.
Child_run run_child(const std::vector<std::string>& argv, const std::string& dir);

// Runs the shell command `command` in `dir` as run_child does.
Child_run run_shell(const std::string& command, const std::string& dir);

// This process's maximum resident set size so far, in KiB.
long own_peak_kib();

}  // namespace bench
