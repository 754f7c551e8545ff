#include "config/conf_reader.h"

#include <sys/stat.h>

#include <array>
#include <fstream>
#include <vector>

#include "base/stop.h"
#include "base/trace.h"
#include "config/lesson_count.h"
#include "config/pages_list.h"
#include "config/value_readers.h"
#include "config/which_lesson.h"

namespace {

constexpr std::array<std::string_view, 17> kKeys = {
    "Pages",           "Coef_Err",        "Level_dico",      "Width_pix_dico", "Width_pix_vocab",
    "Width_char_dico", "Color_0_dico",    "Color_1_dico",    "Color_2_dico",   "Color_3_dico",
    "Color_4_dico",    "Horiz_pix_total", "Verti_pix_total", "Font_lesson",    "Font_vocab",
    "Which_lesson",    "Path_idx1"};

const char* const kDefaultFont = "helvetica 18";

// Five light colours; nothing in the window uses them yet.
constexpr std::array<Rgb16, 5> kDefaultColours = {{{0xFFFF, 0xFFFF, 0xE0E0},
                                                   {0xE0E0, 0xFFFF, 0xE0E0},
                                                   {0xE0E0, 0xF0F0, 0xFFFF},
                                                   {0xFFFF, 0xE4E4, 0xE1E1},
                                                   {0xF0F0, 0xF0F0, 0xF0F0}}};

// Everything the file fills, gathered so that the callers' records change
// only when the whole file has been read.
struct Settings {
  Prenestro window;
  Trf_err coefficients;
  Trf_string catalogue;
  std::string font_lesson = kDefaultFont;
  std::string font_vocab = kDefaultFont;
  bool list_seen = false;
};

// Keeps each coefficient of "Coef_Err" only within its range; a value out of
// range leaves the coefficient as it was (its default unless an earlier
// "Coef_Err" line set it), without a message.
void keep_coefficients(const std::vector<float>& v, Trf_err& t_err) {
  if (v[0] > 0 && v[0] <= 10) t_err.cof1_err = v[0];
  if (v[1] > 0 && v[1] <= 10) t_err.cof2_err = v[1];
  if (v[2] >= 0.1 && v[2] <= 10) t_err.cof3_err = v[2];
  if (v[3] >= 1 && v[3] <= 10) t_err.cof4_err = v[3];
  if (v[4] >= 1 && v[4] <= 10) t_err.cof5_err = v[4];
}

void read_key(int i_order, ConfSource& fp, std::string& s, Settings& set) {
  int count = 0;
  switch (i_order) {
    case 0:
      EXTRACT_PAGES(fp, s, count, set.catalogue);
      set.list_seen = true;
      break;
    case 1:
      keep_coefficients(FLOAT_EXTRACT_LEVEL(fp, s, 5), set.coefficients);
      break;
    case 2:
    case 3:
    case 5:
      break;
    case 4:
      set.window.book_pix_size[2] = EXTRACT_LEVEL(fp, s, 1)[0];
      break;
    case 6:
    case 7:
    case 8:
    case 9:
    case 10:
      EXTRACT_COLOR(fp, s, set.window.Color_dico[i_order - 6]);
      break;
    case 11:
      set.window.book_pix_size[0] = EXTRACT_LEVEL(fp, s, 1)[0];
      break;
    case 12:
      set.window.book_pix_size[1] = EXTRACT_LEVEL(fp, s, 1)[0];
      break;
    case 13:
      EXTRACT_FONT_DICO(fp, s, count, set.font_lesson);
      trace("ss_font_lesson=%s@@@\n", set.font_lesson.c_str());
      break;
    case 14:
      EXTRACT_FONT_DICO(fp, s, count, set.font_vocab);
      trace("ss_font_vocab=%s@@@\n", set.font_vocab.c_str());
      break;
    case 15:
      EXTRACT_WHICH_LESSONS(fp, s, set.catalogue);
      set.catalogue.st_lesson += ' ';
      set.list_seen = true;
      break;
    case 16:
      EXTRACT_PATH_IDX1(fp, s, count, set.catalogue.spath_idx1);
      break;
    default:
      fail(kExitBadInput, "s=%s order unknown =%d \n", shown_line(s).c_str(), i_order);
  }
}

void read_settings(ConfSource& fp, Settings& set) {
  std::string s;
  while (fp.next_line(s)) {
    const std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos || s[first] == '#') continue;
    const int i_order = CONF_KEY_ORDER(std::string_view(s).substr(first));
    trace("i_order=%d \n", i_order);
    read_key(i_order, fp, s, set);
  }
}

bool is_regular_file(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

int CONF_KEY_ORDER(std::string_view s) {
  for (std::size_t k = 0; k < kKeys.size(); ++k) {
    if (s.find(kKeys[k]) != std::string_view::npos) return static_cast<int>(k);
  }
  return -1;
}

void FURCH_SET(Prenestro& Caract_win, Trf_book& book, Trf_string& G_dico,
               std::string& ss_font_lesson, std::string& ss_font_vocab) {
  FURCH_SET_FROM("./pimlo.conf", Caract_win, book, G_dico, ss_font_lesson, ss_font_vocab);
}

void FURCH_SET_FROM(const std::string& conf_path, Prenestro& Caract_win, Trf_book& book,
                    Trf_string& G_dico, std::string& ss_font_lesson, std::string& ss_font_vocab) {
  trace("entering FURCH_SET \n");
  std::ifstream in;
  if (is_regular_file(conf_path)) in.open(conf_path, std::ios::binary);
  if (!in.is_open()) fail(kExitBadInput, "cannot read %s stop \n", conf_path.c_str());

  Settings set;
  set.window.Color_dico = kDefaultColours;
  ConfSource fp(in);
  read_settings(fp, set);
  if (!set.list_seen) {
    fail(kExitBadInput, "pimlo.conf names no lesson list (Which_lesson :> ... <:) stop \n");
  }

  int nbt_lesson = KLASK_NB_PAJ(set.catalogue.st_lesson);
  if (nbt_lesson != set.catalogue.nb_lesson) {
    // A lesson whose own path holds "->" reads as a range here; the words
    // are the lessons.
    trace("FURCH_SET KLASK_NB_PAJ=%d nb_lesson=%d \n", nbt_lesson, set.catalogue.nb_lesson);
    nbt_lesson = set.catalogue.nb_lesson;
  }

  Caract_win = set.window;
  book.t_err = set.coefficients;
  G_dico.st_lesson = std::move(set.catalogue.st_lesson);
  G_dico.nb_lesson = set.catalogue.nb_lesson;
  G_dico.spath_idx1 = std::move(set.catalogue.spath_idx1);
  ss_font_lesson = std::move(set.font_lesson);
  ss_font_vocab = std::move(set.font_vocab);
  book.nbt_lesson = nbt_lesson;
  trace("FURCH_SET nbt_lesson=%d \n", book.nbt_lesson);
}
