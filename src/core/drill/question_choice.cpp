#include "drill/question_choice.h"

#include <algorithm>
#include <utility>

#include "drill/trf_posit.h"

namespace {

constexpr int kMaxDraws = 31999;

void collect_fresh(const Trf_posit& t, std::vector<int>& fresh) {
  fresh.clear();
  for (int e = 1; e <= t.nb_posit; ++e) {
    if (t.elem_nevez[e] == 0) fresh.push_back(e);
  }
}

// The question count: a negative change counter takes withdrawn verdicts off
// it; while elements are left from the first run it follows from their
// number, afterwards it counts on.
void count_question(Trf_posit& t, Question_Run& run) {
  if (t.elem_nevez[0] < 0) run.nbi += t.elem_nevez[0];
  if (run.km > 0) {
    if (t.nb_posit < 1) {
      run.km = 0;
      run.fresh.clear();
    } else {
      collect_fresh(t, run.fresh);
      run.km = static_cast<int>(run.fresh.size());
    }
    if (run.km != 0) {
      run.nbi = t.nb_posit + 1 - run.km;
    } else {
      ++run.nbi;
    }
  } else {
    ++run.nbi;
    // Withdrawn verdicts can bring the count back into the first run after
    // every element was asked; the list then says what is left.
    if (run.nbi <= t.nb_posit) collect_fresh(t, run.fresh);
  }
  t.elem_nevez[0] = 0;
}

void take(Question_Choice& choice, ConstSenseView v, int e, int rank) {
  choice.jcont = e;
  choice.rank = rank;
  choice.err = v.cum_err[e];
  choice.d_ok = v.cum_nb[e] - v.cum_nb0[e];
  choice.d_nok = v.cum_nok[e] - v.cum_nok0[e];
}

bool is_last_two(const Question_Run& run, int e) {
  return e == run.mjcont || e == run.mj1cont;
}

// Draws candidates until one is accepted; leaves the last one in `choice`.
// First run: among the elements not yet asked (`run.fresh`, at most `n` of
// them); second run: among the ranks 1 to nb.
void draw(const Trf_posit& t, int sens_qr, ConstSenseView v, bool first_run, Question_Run& run,
          Question_Rng& rng, Question_Choice& choice) {
  const int nb_posit = t.nb_posit;
  int n = first_run
              ? std::min({nb_posit + 1 - run.nbi, nb_posit, static_cast<int>(run.fresh.size())})
              : std::min(run.nb, nb_posit);
  n = std::max(n, 1);
  std::uniform_int_distribution<int> rank_of_draw(1, n);
  for (int k = 0; k < kMaxDraws; ++k) {
    const int m = rank_of_draw(rng);
    bool accepted = false;
    if (first_run) {
      const int e = run.fresh[static_cast<std::size_t>(m - 1)];
      take(choice, v, e, 0);
      accepted = n == 1 || (n == 2 && e != run.mjcont) || (n >= 3 && !is_last_two(run, e));
    } else {
      const int e = v.ord_posit[m];
      take(choice, v, e, m);
      accepted = (nb_posit == 2 && e != run.mjcont) || (nb_posit >= 3 && !is_last_two(run, e));
    }
    if (accepted) break;
  }
  if (first_run) choice.rank = rank_of_element(t, sens_qr, choice.jcont);
}

}  // namespace

void START_QUESTION_RUN(Question_Run& run, const Trf_posit& t_posit) {
  run.km = 1;
  run.nbi = 0;
  run.nb = std::min(5, t_posit.nb_posit);
}

Question_Choice CHOOSE_QUESTION(Trf_posit& t_posit, int sens_qr, Question_Run& run,
                                Question_Rng& rng) {
  count_question(t_posit, run);
  Question_Choice choice;
  const int nb_posit = t_posit.nb_posit;
  choice.first_run = run.nbi <= nb_posit;
  if (nb_posit < 1) return choice;

  const ConstSenseView v = std::as_const(t_posit).sense(sens_qr);
  const int top = v.ord_posit[1];
  choice.mx = v.cum_err[top];
  take(choice, v, top, 1);
  if (nb_posit == 1) return choice;

  const bool top_never_asked = v.cum_err[top] < 0 && !is_last_two(run, top);
  if (!top_never_asked) {
    const bool from_fresh = choice.first_run && !run.fresh.empty();
    draw(t_posit, sens_qr, v, from_fresh, run, rng, choice);
  }

  if (choice.err == 0) {
    ++run.nb_zero;
    if (run.nb_zero > 2) {
      take(choice, v, top, 1);
      run.nb_zero = 0;
    }
  } else {
    run.nb_zero = 0;
  }
  run.mj1cont = run.mjcont;
  run.mjcont = choice.jcont;
  return choice;
}
