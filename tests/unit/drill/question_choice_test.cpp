#include "drill/question_choice.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "drill_fixture.h"

namespace {

// A drill run whose questions are marked as the verdicts would mark them
// (elem_nevez of the element and the change counter).
struct Choice_run {
  Trf_posit t;
  Question_Run run;
  Question_Rng rng;

  explicit Choice_run(const std::vector<long>& errors, unsigned seed = 7) : rng(seed) {
    fill_table(t, errors, errors);
    START_QUESTION_RUN(run, t);
  }
  Question_Choice ask() { return CHOOSE_QUESTION(t, 1, run, rng); }
  Question_Choice next() {
    const Question_Choice c = ask();
    ++t.elem_nevez[0];
    ++t.elem_nevez[c.jcont];
    return c;
  }
};

std::vector<long> known_errors(int n) {
  std::vector<long> errors;
  for (int i = 0; i < n; ++i) errors.push_back(10 + 3 * i);
  return errors;
}

TEST(QuestionChoice, TheFirstRunAsksEveryElementOnceNeverAskedFirst) {
  EXPECT_EQ(Choice_run({20, -1, 5, -1, -1}).next().jcont, 2);
  EXPECT_EQ(Choice_run({}).ask().jcont, 0);
  Choice_run r(known_errors(12));
  std::set<int> asked;
  for (int q = 1; q <= 12; ++q) {
    const Question_Choice c = r.next();
    EXPECT_TRUE(c.first_run) << q;
    EXPECT_TRUE(asked.insert(c.jcont).second) << "asked twice: " << c.jcont;
    EXPECT_EQ(c.rank, rank_of_element(r.t, 1, c.jcont));
  }
  EXPECT_FALSE(r.next().first_run);
  // Skips and undos pull the count back into the first run although every
  // element was asked: an element of the table is still chosen.
  for (int q = 0; q < 20; ++q) {
    r.t.elem_nevez[0] = -3;
    const Question_Choice c = r.ask();
    EXPECT_TRUE(c.jcont >= 1 && c.jcont <= 12) << c.jcont;
    EXPECT_EQ(r.t.elem_nevez[0], 0);
  }
}

TEST(QuestionChoice, TheSecondRunDrawsAmongTheFiveWorstAndNeverTheLastTwo) {
  Choice_run r(known_errors(30), 5);
  for (int q = 0; q < 30; ++q) r.next();
  int last = 0, before_last = 0;
  std::set<int> ranks;
  for (int q = 0; q < 2000; ++q) {
    const Question_Choice c = r.next();
    ASSERT_TRUE(c.rank >= 1 && c.rank <= 5 && !c.first_run) << c.rank;
    ASSERT_EQ(r.t.QRord_posit[c.rank], c.jcont);
    ASSERT_TRUE(c.jcont != last && c.jcont != before_last);
    before_last = std::exchange(last, c.jcont);
    ranks.insert(c.rank);
  }
  EXPECT_EQ(ranks.size(), 5u);
}

}  // namespace
