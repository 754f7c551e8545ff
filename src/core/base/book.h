// The book: the one central state record of the program, passed as the last
// argument of most operations.
//
// It holds the values of the drill and references to the records the program
// owns (Program): the log, the screen, the sound player, the catalogue, the
// drill table, the error coefficients and the answer journal. None of them is ever missing: until
// the window exists the screen is one that shows nothing. This header only
// forward declares those records, so that every layer can take the book
// without depending on the layers that define them.
#pragma once

#include <string>

struct Trf_string;
struct Trf_posit;
struct Trf_err;
class Answer_journal;
class LogFile;
class Player;
class Screen;

// The lesson phases (start_lesson): what the drill button does next.
inline constexpr int kNoLessonAnnounced = 0;
inline constexpr int kLessonAnnounced = 1;  // "Confirm display of lesson N"
inline constexpr int kDrillOffered = 2;     // "Confirm learning vocabulary of lesson N"
inline constexpr int kDrillRunning = 3;     // questions and answers

// The drill steps (state) while a drill runs.
inline constexpr int kQuestionShown = 1;
inline constexpr int kAnswerShown = 2;  // the verdict is awaited

struct Trf_book {
  Trf_book(LogFile& log, Screen& screen_, Player& player_, Trf_string& catalogue, Trf_posit& posit,
           Trf_err& err, Answer_journal& journal_)
      : fp_log(log),
        screen(screen_),
        player(player_),
        G_kentel(catalogue),
        t_posit(posit),
        t_err(err),
        journal(journal_) {}
  Trf_book(const Trf_book&) = delete;
  Trf_book& operator=(const Trf_book&) = delete;

  int active = 1;                         // 1 = the drill button's handler may run
  int start_lesson = kNoLessonAnnounced;  // the lesson phase
  int state = kQuestionShown;             // the drill step
  int toggle_sens_qr = 0;                 // 1 = a sense change waits for the current verdict
  int sens_qr = 1;                        // 1 = Q->R, 2 = R->Q
  int sens_qrm = 1;                       // sense in which the question on screen was asked
  int sound = 1;                          // 1 = sound cues are played
  int interro_sound = 1;                  // 1 = a question with a played cue withholds its text
  int nb_line = 0;                        // lines now in the drill pane (0 to 200)
  int QR_no = 0;                          // element number of the entry now asked
  int QR_order = 0;                       // its rank in the order of the current sense
  int ilesson = 1;                        // current lesson; 0 = the generated lesson
  int nbt_lesson = 0;                     // lessons in the catalogue

  std::string lessons;         // name of the current lesson, as confirmed
  std::string path_of_lesson;  // directory of the lesson file of the entry shown

  LogFile& fp_log;  // "pimlo_log", open for the whole run
  Screen& screen;   // the window, or one that shows nothing
  Player& player;   // the sound device
  Trf_string& G_kentel;
  Trf_posit& t_posit;
  Trf_err& t_err;
  Answer_journal& journal;  // "pimlo_journal"
};

// A drill runs in a lesson whose answers can be recorded (the generated
// lesson 0 or one of the catalogue).
inline bool drill_to_record(const Trf_book& book) {
  return book.ilesson >= 0 && book.ilesson <= book.nbt_lesson && book.start_lesson >= kDrillRunning;
}

// The lesson after book.ilesson: 1 after the last and after lesson 0.
inline int next_lesson(const Trf_book& book) {
  const int next = book.ilesson + 1;
  return next > book.nbt_lesson ? 1 : next;
}

// The lesson before book.ilesson: the last before lesson 1 and before 0.
inline int previous_lesson(const Trf_book& book) {
  const int previous = book.ilesson - 1;
  return previous < 1 ? book.nbt_lesson : previous;
}

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
