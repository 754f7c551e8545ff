// Choosing the next question of a drill.
//
// A drill first asks every element of the lesson once (the first run):
// a never-asked element at rank 1 is taken at once, the others are drawn at
// random among the elements not yet asked since the load. Then (the second
// run) it keeps drawing among the ranks 1 to nb (five, or fewer in a smaller
// lesson) of the current sense's order, the worst known. Neither run asks
// the last question again, nor, once three or more are left to choose from,
// the one before it; and after two questions of error 0 in a row the third
// is the element of rank 1.
//
// The choice works on the drill table alone and takes its random generator,
// so that tests can seed it; it reads and writes no file.
#pragma once

#include <random>
#include <vector>

struct Trf_posit;

using Question_Rng = std::mt19937;

// What the choice keeps from one question to the next.
struct Question_Run {
  int mjcont = 0;   // element of the last question (0 = none yet)
  int mj1cont = 0;  // element of the question before it
  int km = 1;       // while positive: elements not yet asked since the load
  int nbi = 0;      // number of the current question; first run while nbi <= nb_posit
  int nb = 5;       // width of the draw in the second run
  int nb_zero = 0;  // consecutive questions chosen with error 0

  std::vector<int> fresh;  // work list: elements not yet asked, by number
};

// The question chosen, with the values shown in its heading.
struct Question_Choice {
  int jcont = 0;   // element asked (0: the table is empty)
  int rank = 0;    // its rank in the order of the sense asked (0 if not found)
  long err = 0;    // its error in that sense
  long mx = 0;     // the error at rank 1
  long d_ok = 0;   // right answers since the load
  long d_nok = 0;  // wrong answers since the load
  bool first_run = true;
};

// Starts the run of a freshly loaded table: km 1, nbi 0, nb = 5 or nb_posit
// when smaller. The last two questions and the count of error-0 questions
// carry over from the previous lesson. Cannot fail.
void START_QUESTION_RUN(Question_Run& run, const Trf_posit& t_posit);

// Chooses the next question in sense `sens_qr` (1 = Q->R, else R->Q) and
// moves the run on; sets elem_nevez[0], the change counter of the current
// question, to 0 after taking a negative one (verdicts skipped or undone)
// off the question count. At most 31999 draws; if none is accepted the last
// candidate is asked. A lesson of one element asks it every time, leaving
// the last two questions as they were. An empty table gives jcont 0 and
// changes only the run. Linear in nb_posit once per question, constant per
// draw; allocates only when the table has grown. Cannot fail.
Question_Choice CHOOSE_QUESTION(Trf_posit& t_posit, int sens_qr, Question_Run& run,
                                Question_Rng& rng);
