#include "session/last_state.h"

#include <cstdio>
#include <string>
#include <vector>

#include "base/book.h"
#include "base/log_file.h"
#include "base/stop.h"
#include "base/trace.h"
#include "catalogue/trf_string.h"
#include "history/drill_walk.h"
#include "text/atomic_file.h"
#include "text/files.h"
#include "text/line_reader.h"
#include "text/number_fields.h"

namespace {

constexpr const char* kReadPath = "./Pimlo_last_state";

// Reads the next line into `values` (n numbers); false when there is none,
// leaving `values` untouched.
bool next_numbers(LineReader& fp, long& nc, int n, std::vector<int>& values) {
  std::string ss;
  if (aln_getline(nc, ss, fp) < 0) return false;
  EXTR_N_INT(n, ss, values);
  return true;
}

std::string number(int n) {
  return std::to_string(n);
}

}  // namespace

void START_PAGE_NUMBER(Start_State& S_state, Trf_book& book) {
  S_state.num_lesson = 1;
  S_state.sens_qr = 0;
  S_state.root_x = S_state.root_y = S_state.root_width = S_state.root_height = -1;
  S_state.width_book = -1;

  LineReader fp;
  if (!fp.open(kReadPath)) {
    trace("START_PAGE_NUMBER no file %s \n", kReadPath);
    return;
  }
  const int age = static_cast<int>(DIFF_TIME_FILE("pimlo.conf", kReadPath));
  long nc = 0;
  std::vector<int> v;
  if (!next_numbers(fp, nc, 1, v)) {
    trace("START_PAGE_NUMBER empty file %s \n", kReadPath);
    return;
  }
  S_state.num_lesson = age >= 0 && v[0] == 1 ? v[1] : 0;
  if (next_numbers(fp, nc, 1, v)) S_state.sens_qr = v[1];
  if (next_numbers(fp, nc, 2, v)) {
    S_state.root_x = v[1];
    S_state.root_y = v[2];
  }
  if (next_numbers(fp, nc, 2, v)) {
    S_state.root_width = v[1];
    S_state.root_height = v[2];
  }
  if (next_numbers(fp, nc, 1, v)) S_state.width_book = v[1];
  fp.close();
  if (std::remove(kReadPath) != 0) {
    book.fp_log.write("START_PAGE_NUMBER cannot remove %s \n", kReadPath);
  }
  trace("START_PAGE_NUMBER lesson=%d sens=%d x=%d y=%d w=%d h=%d book=%d \n", S_state.num_lesson,
        S_state.sens_qr, S_state.root_x, S_state.root_y, S_state.root_width, S_state.root_height,
        S_state.width_book);
}

bool WRITE_LAST_STATE(int ilesson, int sens_qr, const Window_geometry& geometry,
                      const Trf_string& G_kentel, Trf_book& book) {
  AtomicFile file;
  if (file.open(kLastStateFile)) {
    file.write("  " + number(ilesson) + "    Last lesson\n");
    file.write("  " + number(sens_qr) + "   Sense of Q and R \n");
    file.write("  " + number(geometry.x) + "  " + number(geometry.y) +
               "   Position of main window left upper corner\n");
    file.write("  " + number(geometry.width) + "  " + number(geometry.height) +
               "   Size of main window width height\n");
    file.write("  " + number(geometry.divider) + "   Width of book window \n");
    file.write(G_kentel.st_lesson + "\n");
    if (file.commit()) return true;
  }
  say("%s cannot be written, the next start uses the default lesson and window \n", kLastStateFile);
  book.fp_log.write("%s cannot be written, the next start uses the default lesson and window \n",
                       kLastStateFile);
  return false;
}
