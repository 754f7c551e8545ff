// A preload library for the crash tests: it counts the calls through which a
// program changes files below KILL_POINT_ROOT (write, pwrite, ftruncate,
// open or fopen to create or write, fwrite, fflush and fclose on
// a stream for writing, rename, unlink, remove, mkdir), and before
// the KILL_POINT-th one raises KILL_POINT_SIGNAL (default SIGKILL), as a
// crash would (a sync is not counted: a killed process loses nothing it
// wrote). The log and the window tests' geometry file are not
// counted. KILL_POINT_TRACE: a file that gets "N CALL PATH" for each
// call counted; KILL_POINT_ARM=signal: nothing is counted before SIGUSR1.
// Built without sanitizers; an ASan program takes it with
// ASAN_OPTIONS=verify_asan_link_order=0.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

static char root[PATH_MAX];
static size_t root_len;
static long kill_at;
static int kill_signal = SIGKILL;
static long counted;
static volatile sig_atomic_t armed = 1;
static int trace_fd = -1;

#define REAL(name)                      \
  static __typeof__(name)* real_##name; \
  if (!real_##name) real_##name = (__typeof__(name)*)dlsym(RTLD_NEXT, #name)

static void on_arm(int sig) {
  (void)sig;
  armed = 1;
}

static void copy_env(const char* name, char* out, size_t size) {
  const char* value = getenv(name);
  if (value && strlen(value) < size) strcpy(out, value);
}

__attribute__((constructor)) static void kill_point_init(void) {
  copy_env("KILL_POINT_ROOT", root, sizeof root);
  root_len = strlen(root);
  while (root_len > 1 && root[root_len - 1] == '/') root[--root_len] = '\0';
  const char* n = getenv("KILL_POINT");
  if (n) kill_at = atol(n);
  const char* s = getenv("KILL_POINT_SIGNAL");
  if (s && atoi(s) > 0) kill_signal = atoi(s);
  const char* tr = getenv("KILL_POINT_TRACE");
  if (tr) {
    REAL(open);
    trace_fd = real_open(tr, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
  }
  const char* arm = getenv("KILL_POINT_ARM");
  if (arm && strcmp(arm, "signal") == 0) {
    armed = 0;
    struct sigaction sa;
    memset(&sa, 0, sizeof sa);
    sa.sa_handler = on_arm;
    sigaction(SIGUSR1, &sa, NULL);
  }
}

// True when the absolute path `abs` lies below the root and is neither the
// log nor the geometry file.
static int below_root(const char* abs) {
  if (root_len == 0 || strncmp(abs, root, root_len) != 0) return 0;
  if (abs[root_len] != '\0' && abs[root_len] != '/') return 0;
  return !strstr(abs, "pimlo_log") && !strstr(abs, "geometry");
}

static int fd_path(int fd, char* out, size_t size) {
  char link[64];
  snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  ssize_t n = readlink(link, out, size - 1);
  if (n < 0) return 0;
  out[n] = '\0';
  return 1;
}

// The counting itself: the N-th counted call stops the program.
static void point(const char* call, const char* abs) {
  if (!armed) return;
  long n = __atomic_add_fetch(&counted, 1, __ATOMIC_SEQ_CST);
  if (trace_fd >= 0) {
    char line[PATH_MAX + 64];
    int len = snprintf(line, sizeof line, "%ld %s %s\n", n, call, abs);
    REAL(write);
    if (len > 0) real_write(trace_fd, line, (size_t)len < sizeof line ? (size_t)len : sizeof line);
  }
  if (kill_at > 0 && n == kill_at) {
    int saved = errno;
    kill(getpid(), kill_signal);
    errno = saved;
  }
}

static void path_point(const char* call, const char* path) {
  if (!path || root_len == 0) return;
  char base[PATH_MAX] = "";
  char abs[PATH_MAX * 2];
  if (path[0] != '/' && !getcwd(base, sizeof base)) base[0] = '\0';
  snprintf(abs, sizeof abs, "%s%s%s", base, path[0] == '/' ? "" : "/", path);
  if (below_root(abs)) point(call, abs);
}

// Counted when `fd` is open for writing.
static void fd_point(const char* call, int fd) {
  if (fd <= 2 || root_len == 0) return;
  int flags = fcntl(fd, F_GETFL);
  if (flags < 0 || (flags & O_ACCMODE) == O_RDONLY) return;
  char abs[PATH_MAX];
  if (fd_path(fd, abs, sizeof abs) && below_root(abs)) point(call, abs);
}

static void stream_point(const char* call, FILE* f) {
  if (f && f != stdout && f != stderr) fd_point(call, fileno(f));
}

// A call on a descriptor, a stream or a path, counted, then made.
#define ON_FD(ret, name, params, args) \
  ret name params {                    \
    REAL(name);                        \
    fd_point(#name, fd);               \
    return real_##name args;           \
  }
#define ON_STREAM(ret, name, params, args) \
  ret name params {                        \
    REAL(name);                            \
    stream_point(#name, f);                \
    return real_##name args;               \
  }
#define ON_PATH(ret, name, path, params, args) \
  ret name params {                            \
    REAL(name);                                \
    path_point(#name, path);                   \
    return real_##name args;                   \
  }

// open and fopen: counted when they create, truncate or append.
int open(const char* path, int flags, ...) {
  REAL(open);
  mode_t mode = 0;
  if (flags & (O_CREAT | O_TMPFILE)) {
    va_list ap;
    va_start(ap, flags);
    mode = va_arg(ap, mode_t);
    va_end(ap);
  }
  if (flags & (O_CREAT | O_TRUNC)) path_point("open", path);
  return real_open(path, flags, mode);
}

FILE* fopen(const char* path, const char* mode) {
  REAL(fopen);
  if (mode && (strchr(mode, 'w') || strchr(mode, 'a'))) path_point("fopen", path);
  return real_fopen(path, mode);
}

ON_FD(ssize_t, write, (int fd, const void* buf, size_t n), (fd, buf, n))
ON_FD(ssize_t, pwrite, (int fd, const void* buf, size_t n, off_t off), (fd, buf, n, off))
ON_FD(int, ftruncate, (int fd, off_t len), (fd, len))
ON_STREAM(size_t, fwrite, (const void* buf, size_t size, size_t n, FILE* f), (buf, size, n, f))
ON_STREAM(int, fflush, (FILE * f), (f))
ON_STREAM(int, fclose, (FILE * f), (f))
ON_PATH(int, rename, to, (const char* from, const char* to), (from, to))
ON_PATH(int, unlink, path, (const char* path), (path))
ON_PATH(int, remove, path, (const char* path), (path))
ON_PATH(int, mkdir, path, (const char* path, mode_t mode), (path, mode))
