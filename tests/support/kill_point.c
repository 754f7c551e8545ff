/* A preload library for the crash tests: it counts the calls through which a
 * program changes files below one directory, and stops the program dead at
 * the N-th one, before the call is made, as a power cut or a SIGKILL would.
 *
 * Counted (only for paths below KILL_POINT_ROOT, never for standard output
 * and error): write, pwrite, writev, fsync, fdatasync, syncfs, ftruncate on a
 * descriptor open for writing; open and creat that create or truncate;
 * fopen for writing or appending; fwrite, fputs, fprintf, fflush and fclose
 * on a stream open for writing; rename, unlink, remove, mkdir.
 *
 * Environment:
 *   KILL_POINT_ROOT    absolute directory; only paths below it count (required)
 *   KILL_POINT         N: raise the signal at the N-th counted call; 0 or
 *                      unset: only count
 *   KILL_POINT_SIGNAL  the signal to raise (a number; default SIGKILL)
 *   KILL_POINT_IGNORE  colon-separated substrings of paths not to count
 *   KILL_POINT_COUNT   file that receives the number of counted calls when
 *                      the program ends normally
 *   KILL_POINT_TRACE   file that receives one line per counted call:
 *                      "N CALL PATH"
 *   KILL_POINT_ARM     "signal": count nothing until SIGUSR1 arrives
 *
 * The library is plain C and must be built without sanitizers; an
 * AddressSanitizer program accepts it with ASAN_OPTIONS=verify_asan_link_order=0.
 */
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
#include <sys/uio.h>
#include <unistd.h>

static char root[PATH_MAX];
static size_t root_len;
static char ignore[4096];
static long kill_at;
static int kill_signal = SIGKILL;
static long counted;
static volatile sig_atomic_t armed = 1;
static int trace_fd = -1;

#define REAL(name) \
  static __typeof__(name)* real_##name; \
  if (!real_##name) real_##name = (__typeof__(name)*)dlsym(RTLD_NEXT, #name)

static void on_arm(int sig) {
  (void)sig;
  armed = 1;
}

__attribute__((constructor)) static void kill_point_init(void) {
  const char* r = getenv("KILL_POINT_ROOT");
  if (r && strlen(r) < sizeof root) {
    strcpy(root, r);
    root_len = strlen(root);
    while (root_len > 1 && root[root_len - 1] == '/') root[--root_len] = '\0';
  }
  const char* n = getenv("KILL_POINT");
  if (n) kill_at = atol(n);
  const char* s = getenv("KILL_POINT_SIGNAL");
  if (s && atoi(s) > 0) kill_signal = atoi(s);
  const char* ig = getenv("KILL_POINT_IGNORE");
  if (ig && strlen(ig) < sizeof ignore) strcpy(ignore, ig);
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

__attribute__((destructor)) static void kill_point_report(void) {
  const char* path = getenv("KILL_POINT_COUNT");
  if (!path) return;
  REAL(open);
  REAL(write);
  int fd = real_open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return;
  char text[32];
  int len = snprintf(text, sizeof text, "%ld\n", __atomic_load_n(&counted, __ATOMIC_SEQ_CST));
  real_write(fd, text, (size_t)len);
  close(fd);
}

/* True when the absolute path `abs` lies below the root and matches none of
 * the ignored substrings. */
static int below_root(const char* abs) {
  if (root_len == 0 || strncmp(abs, root, root_len) != 0) return 0;
  if (abs[root_len] != '\0' && abs[root_len] != '/') return 0;
  if (ignore[0]) {
    char list[sizeof ignore];
    strcpy(list, ignore);
    for (char* part = strtok(list, ":"); part; part = strtok(NULL, ":")) {
      if (*part && strstr(abs, part)) return 0;
    }
  }
  return 1;
}

static int fd_path(int fd, char* out, size_t size) {
  char link[64];
  snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  ssize_t n = readlink(link, out, size - 1);
  if (n < 0) return 0;
  out[n] = '\0';
  return 1;
}

static void absolute(int dirfd, const char* path, char* out, size_t size) {
  char base[PATH_MAX] = "";
  if (path[0] == '/') {
    snprintf(out, size, "%s", path);
    return;
  }
  if (dirfd == AT_FDCWD || dirfd < 0) {
    if (!getcwd(base, sizeof base)) base[0] = '\0';
  } else if (!fd_path(dirfd, base, sizeof base)) {
    base[0] = '\0';
  }
  snprintf(out, size, "%s/%s", base, path);
}

/* The counting itself: the N-th counted call stops the program. */
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

static void path_point(const char* call, int dirfd, const char* path) {
  if (!path || root_len == 0) return;
  char abs[PATH_MAX * 2];
  absolute(dirfd, path, abs, sizeof abs);
  if (below_root(abs)) point(call, abs);
}

static void fd_point(const char* call, int fd, int needs_write) {
  if (fd <= 2 || root_len == 0) return;
  if (needs_write) {
    int flags = fcntl(fd, F_GETFL);
    if (flags < 0 || (flags & O_ACCMODE) == O_RDONLY) return;
  }
  char abs[PATH_MAX];
  if (fd_path(fd, abs, sizeof abs) && below_root(abs)) point(call, abs);
}

static void stream_point(const char* call, FILE* f) {
  if (!f || f == stdout || f == stderr) return;
  fd_point(call, fileno(f), 1);
}

static int creates(int flags) { return (flags & (O_CREAT | O_TRUNC)) != 0; }

static int writes_mode(const char* mode) {
  return mode && (strchr(mode, 'w') || strchr(mode, 'a'));
}

ssize_t write(int fd, const void* buf, size_t n) {
  REAL(write);
  fd_point("write", fd, 1);
  return real_write(fd, buf, n);
}

ssize_t pwrite(int fd, const void* buf, size_t n, off_t off) {
  REAL(pwrite);
  fd_point("pwrite", fd, 1);
  return real_pwrite(fd, buf, n, off);
}

ssize_t pwrite64(int fd, const void* buf, size_t n, off64_t off) {
  REAL(pwrite64);
  fd_point("pwrite", fd, 1);
  return real_pwrite64(fd, buf, n, off);
}

ssize_t writev(int fd, const struct iovec* iov, int cnt) {
  REAL(writev);
  fd_point("writev", fd, 1);
  return real_writev(fd, iov, cnt);
}

int fsync(int fd) {
  REAL(fsync);
  fd_point("fsync", fd, 0);
  return real_fsync(fd);
}

int fdatasync(int fd) {
  REAL(fdatasync);
  fd_point("fdatasync", fd, 0);
  return real_fdatasync(fd);
}

int syncfs(int fd) {
  REAL(syncfs);
  fd_point("syncfs", fd, 0);
  return real_syncfs(fd);
}

int ftruncate(int fd, off_t len) {
  REAL(ftruncate);
  fd_point("ftruncate", fd, 1);
  return real_ftruncate(fd, len);
}

int ftruncate64(int fd, off64_t len) {
  REAL(ftruncate64);
  fd_point("ftruncate", fd, 1);
  return real_ftruncate64(fd, len);
}

int open(const char* path, int flags, ...) {
  REAL(open);
  mode_t mode = 0;
  if (flags & (O_CREAT | O_TMPFILE)) {
    va_list ap;
    va_start(ap, flags);
    mode = va_arg(ap, mode_t);
    va_end(ap);
  }
  if (creates(flags)) path_point("open", AT_FDCWD, path);
  return real_open(path, flags, mode);
}

int open64(const char* path, int flags, ...) {
  REAL(open64);
  mode_t mode = 0;
  if (flags & (O_CREAT | O_TMPFILE)) {
    va_list ap;
    va_start(ap, flags);
    mode = va_arg(ap, mode_t);
    va_end(ap);
  }
  if (creates(flags)) path_point("open", AT_FDCWD, path);
  return real_open64(path, flags, mode);
}

int openat(int dirfd, const char* path, int flags, ...) {
  REAL(openat);
  mode_t mode = 0;
  if (flags & (O_CREAT | O_TMPFILE)) {
    va_list ap;
    va_start(ap, flags);
    mode = va_arg(ap, mode_t);
    va_end(ap);
  }
  if (creates(flags)) path_point("open", dirfd, path);
  return real_openat(dirfd, path, flags, mode);
}

int openat64(int dirfd, const char* path, int flags, ...) {
  REAL(openat64);
  mode_t mode = 0;
  if (flags & (O_CREAT | O_TMPFILE)) {
    va_list ap;
    va_start(ap, flags);
    mode = va_arg(ap, mode_t);
    va_end(ap);
  }
  if (creates(flags)) path_point("open", dirfd, path);
  return real_openat64(dirfd, path, flags, mode);
}

int creat(const char* path, mode_t mode) {
  REAL(creat);
  path_point("creat", AT_FDCWD, path);
  return real_creat(path, mode);
}

FILE* fopen(const char* path, const char* mode) {
  REAL(fopen);
  if (writes_mode(mode)) path_point("fopen", AT_FDCWD, path);
  return real_fopen(path, mode);
}

FILE* fopen64(const char* path, const char* mode) {
  REAL(fopen64);
  if (writes_mode(mode)) path_point("fopen", AT_FDCWD, path);
  return real_fopen64(path, mode);
}

size_t fwrite(const void* buf, size_t size, size_t n, FILE* f) {
  REAL(fwrite);
  stream_point("fwrite", f);
  return real_fwrite(buf, size, n, f);
}

int fputs(const char* s, FILE* f) {
  REAL(fputs);
  stream_point("fputs", f);
  return real_fputs(s, f);
}

int vfprintf(FILE* f, const char* fmt, va_list ap) {
  REAL(vfprintf);
  stream_point("fprintf", f);
  return real_vfprintf(f, fmt, ap);
}

int fprintf(FILE* f, const char* fmt, ...) {
  REAL(vfprintf);
  stream_point("fprintf", f);
  va_list ap;
  va_start(ap, fmt);
  int r = real_vfprintf(f, fmt, ap);
  va_end(ap);
  return r;
}

int fflush(FILE* f) {
  REAL(fflush);
  stream_point("fflush", f);
  return real_fflush(f);
}

int fclose(FILE* f) {
  REAL(fclose);
  stream_point("fclose", f);
  return real_fclose(f);
}

int rename(const char* from, const char* to) {
  REAL(rename);
  path_point("rename", AT_FDCWD, to);
  return real_rename(from, to);
}

int renameat(int fromfd, const char* from, int tofd, const char* to) {
  REAL(renameat);
  path_point("rename", tofd, to);
  return real_renameat(fromfd, from, tofd, to);
}

int renameat2(int fromfd, const char* from, int tofd, const char* to, unsigned flags) {
  REAL(renameat2);
  path_point("rename", tofd, to);
  return real_renameat2(fromfd, from, tofd, to, flags);
}

int unlink(const char* path) {
  REAL(unlink);
  path_point("unlink", AT_FDCWD, path);
  return real_unlink(path);
}

int unlinkat(int dirfd, const char* path, int flags) {
  REAL(unlinkat);
  path_point("unlink", dirfd, path);
  return real_unlinkat(dirfd, path, flags);
}

int remove(const char* path) {
  REAL(remove);
  path_point("remove", AT_FDCWD, path);
  return real_remove(path);
}

int mkdir(const char* path, mode_t mode) {
  REAL(mkdir);
  path_point("mkdir", AT_FDCWD, path);
  return real_mkdir(path, mode);
}
