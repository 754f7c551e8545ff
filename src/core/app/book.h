// The book: the one central state record of the program, passed as the last
// argument of most operations and as user data to every window handler.
//
// It is a plain record of non-owning pointers and values. The records it
// points at (catalogue, drill table, coefficients, log, screen) are owned by
// the start-up sequence and live for the whole run; this header only forward
// declares them so that every subsystem can take the book without linking
// against the application layer.
#pragma once

#include <string>

struct Trf_string;
struct Trf_posit;
struct Trf_err;
class LogFile;
class Screen;

struct Trf_book {
  int active = 1;          // 1 = the drill button's handler may run
  int start_lesson = 0;    // 0 none, 1 announced, 2 confirmation shown, 3 drill running
  int state = 1;           // 1 question shown, 2 answer shown (verdict awaited)
  int toggle_sens_qr = 0;  // 1 = a sense change waits for the current verdict
  int sens_qr = 1;         // 1 = Q->R, 2 = R->Q
  int sens_qrm = 1;        // sense in which the question on screen was asked
  int sound = 1;           // 1 = sound cues are played
  int interro_sound = 1;   // 1 = a question with a played cue withholds its text
  int nb_line = 0;         // lines now in the drill pane (0 to 200)
  int QR_no = 0;           // element number of the entry now asked
  int QR_order = 0;        // its rank in the order of the current sense
  int ilesson = 1;         // current lesson; 0 = the generated lesson
  int nbt_lesson = 0;      // lessons in the catalogue

  int exfp = 0;               // 1 while the session holds the working copy of a lesson open
  LogFile* fp_log = nullptr;  // "pimlo_log", open for the whole run

  std::string lessons;         // name of the current lesson, as confirmed
  std::string path_of_lesson;  // directory of the lesson file of the entry shown

  Trf_posit* t_posit = nullptr;
  Trf_err* t_err = nullptr;
  Trf_string* G_kentel = nullptr;
  Screen* screen = nullptr;  // the window, or a fake one in tests
};

// Start state read from the last-state file, used only by the start-up.
struct Start_State {
  int num_lesson = 1;  // 0 = not to be used
  int root_x = -1;
  int root_y = -1;
  int root_width = -1;
  int root_height = -1;
  int width_book = -1;
  int sens_qr = 0;  // 0 = not to be used
};
