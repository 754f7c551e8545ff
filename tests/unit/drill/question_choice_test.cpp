#include "drill/question_choice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "drill/trf_posit.h"
#include "drill_fixture.h"

namespace {

// A drill run over a table, marking each question as the verdicts would
// (elem_nevez of the element and the change counter).
struct Choice_run {
  Trf_posit t;
  Question_Run run;
  Question_Rng rng;

  explicit Choice_run(const std::vector<long>& errors, unsigned seed = 7) : rng(seed) {
    fill_table(t, errors, errors);
    START_QUESTION_RUN(run, t);
  }

  Question_Choice ask(int sense = 1) { return CHOOSE_QUESTION(t, sense, run, rng); }

  Question_Choice ask_and_mark(int sense = 1) {
    const Question_Choice c = ask(sense);
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

TEST(QuestionChoice, TheFirstRunAsksEveryElementOnceThenTheSecondRunBegins) {
  for (unsigned seed : {1u, 2u, 3u, 99u}) {
    Choice_run r(known_errors(12), seed);
    std::set<int> asked;
    for (int q = 1; q <= 12; ++q) {
      const Question_Choice c = r.ask_and_mark();
      EXPECT_TRUE(c.first_run) << "question " << q;
      EXPECT_TRUE(asked.insert(c.jcont).second) << "asked twice: " << c.jcont;
      EXPECT_EQ(c.rank, rank_of_element(r.t, 1, c.jcont));
      EXPECT_EQ(r.run.nbi, q);
    }
    EXPECT_FALSE(r.ask_and_mark().first_run);
  }
}

TEST(QuestionChoice, NeverAskedElementsAtRankOneComeFirstInOrder) {
  Choice_run r({20, -1, 5, -1, -1});
  // Never-asked elements lead the order in element order: 2, 4, 5.
  EXPECT_EQ(r.ask_and_mark().jcont, 2);
  // Marking does not change the error here, so the order still begins with
  // 2; it was the last question, so a draw among the others follows.
  const int second = r.ask_and_mark().jcont;
  EXPECT_NE(second, 2);
}

TEST(QuestionChoice, TheSecondRunDrawsAmongTheFiveWorstAndNeverTheLastTwo) {
  Choice_run r(known_errors(30), 5);
  for (int q = 0; q < 30; ++q) r.ask_and_mark();
  std::vector<int> last;
  std::set<int> ranks;
  for (int q = 0; q < 2000; ++q) {
    const Question_Choice c = r.ask_and_mark();
    ASSERT_FALSE(c.first_run);
    ASSERT_GE(c.rank, 1);
    ASSERT_LE(c.rank, 5);
    ASSERT_EQ(r.t.QRord_posit[c.rank], c.jcont);
    if (last.size() >= 2) {
      ASSERT_NE(c.jcont, last[last.size() - 1]);
      ASSERT_NE(c.jcont, last[last.size() - 2]);
    }
    last.push_back(c.jcont);
    ranks.insert(c.rank);
  }
  EXPECT_EQ(ranks.size(), 5u);  // every one of the five ranks is drawn
}

TEST(QuestionChoice, SmallLessonsDrawAmongAllTheirElements) {
  Choice_run three({30, 20, 10});
  for (int q = 0; q < 3; ++q) three.ask_and_mark();
  EXPECT_EQ(three.run.nb, 3);
  std::vector<int> asked;
  for (int q = 0; q < 30; ++q) asked.push_back(three.ask_and_mark().jcont);
  // With three elements and the last two excluded, they come round in turn.
  for (std::size_t q = 3; q < asked.size(); ++q) EXPECT_EQ(asked[q], asked[q - 3]);
}

TEST(QuestionChoice, ALessonOfOneElementAsksItEveryTimeAndKeepsTheLastQuestions) {
  Choice_run r({15});
  r.run.mjcont = 4;
  r.run.mj1cont = 3;
  for (int q = 0; q < 5; ++q) {
    const Question_Choice c = r.ask_and_mark();
    EXPECT_EQ(c.jcont, 1);
    EXPECT_EQ(c.rank, 1);
  }
  EXPECT_EQ(r.run.mjcont, 4);
  EXPECT_EQ(r.run.mj1cont, 3);
}

TEST(QuestionChoice, ALessonOfTwoElementsAlternates) {
  Choice_run r({15, 12}, 11);
  int previous = r.ask_and_mark().jcont;
  for (int q = 0; q < 50; ++q) {
    const int jcont = r.ask_and_mark().jcont;
    EXPECT_NE(jcont, previous);
    previous = jcont;
  }
}

TEST(QuestionChoice, TheThirdQuestionOfErrorZeroInARowIsTheElementOfRankOne) {
  // Rank 1 has error 9, eleven elements of error 0 follow: the second run
  // draws zeros two times out of three, and the rule stops a third in a row.
  std::vector<long> errors = {9};
  errors.resize(12, 0);
  Choice_run r(errors, 3);
  for (int q = 0; q < 12; ++q) r.ask_and_mark();
  int zeros_in_a_row = 0;
  int overrides = 0;
  for (int q = 0; q < 500; ++q) {
    const Question_Choice c = r.ask_and_mark();
    if (zeros_in_a_row == 2) {
      ++overrides;
      EXPECT_EQ(c.jcont, r.t.QRord_posit[1]);
      EXPECT_EQ(c.rank, 1);
      EXPECT_EQ(r.run.nb_zero, 0);
    }
    zeros_in_a_row = c.err == 0 ? zeros_in_a_row + 1 : 0;
    ASSERT_LE(zeros_in_a_row, 2);
  }
  EXPECT_GT(overrides, 50);
}

TEST(QuestionChoice, WithdrawnVerdictsKeepTheQuestionCountAndTheChoiceInTheTable) {
  Choice_run r(known_errors(4), 17);
  for (int q = 0; q < 4; ++q) r.ask_and_mark();
  EXPECT_EQ(r.run.km, 1);  // one element was left for the fourth question
  r.ask_and_mark();        // first question of the second run
  EXPECT_EQ(r.run.km, 0);
  // Skips and undos pull the count back into the first run although every
  // element was asked: the choice still names an element of the table.
  for (int q = 0; q < 20; ++q) {
    r.t.elem_nevez[0] = -3;
    const Question_Choice c = r.ask();
    EXPECT_GE(c.jcont, 1);
    EXPECT_LE(c.jcont, 4);
    EXPECT_EQ(r.t.elem_nevez[0], 0);
  }
}

TEST(QuestionChoice, AnEmptyTableChoosesNothing) {
  Trf_posit t;
  t.reset(5);
  Question_Run run;
  Question_Rng rng(1);
  START_QUESTION_RUN(run, t);
  EXPECT_EQ(CHOOSE_QUESTION(t, 1, run, rng).jcont, 0);
  EXPECT_EQ(run.km, 0);
}

}  // namespace
