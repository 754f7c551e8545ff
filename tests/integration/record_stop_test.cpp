// Recordings that stop, and records that two elements of a drill share:
// a recording either writes all it has to write or nothing at all.
#include <gtest/gtest.h>

#include "history/lesson_record.h"
#include "history_fixture.h"

namespace {

class RecordStop : public LessonDrillFixture {
 protected:
  int record() {
    testing::internal::CaptureStdout();
    const int status = stop_status([&] { RECORD_LESSON(book, kToday); });
    testing::internal::GetCapturedStdout();
    return status;
  }
};

}  // namespace

// Elements after the load: 1 le chat, 2 le chien, 3 la maison (houses), 4 la vache.
TEST_F(RecordStop, AStopOnAnyRecordLeavesEveryHistoryFileAsItWas) {
  struct Case {
    const char* what;
    void (*answer)(Trf_posit&);
    int status;
  } cases[] = {
      {"a count above the limit in the other lesson, after a change in this one",
       [](Trf_posit& t) { t.QRcum_nok[1] = 2, t.QRcum_nb[3] = 10001; }, 1},
      {"a count below the file's, after changes in both lessons",
       [](Trf_posit& t) { t.QRcum_nok[1] = 2, t.QRcum_nok[3] = 1, t.QRcum_nok[4] = 2; }, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    drill();
    c.answer(t_posit);
    EXPECT_EQ(record(), c.status);
    EXPECT_EQ(read_file(kAnimalsIdx1), animals);
    EXPECT_EQ(read_file(kHousesIdx1), houses);
  }
}

TEST_F(RecordStop, TwoReferencesToOneEntryRecordTheDrillOfEither) {
  age();
  edit(kAnimals, std::string(kAnimalsText) + "##la maison *hou\n");
  start();
  // 5 is the second reference to la maison (2 right answers, none wrong).
  for (int marked : {3, 5}) {
    SCOPED_TRACE(marked);
    write_file(kHousesIdx1, houses);
    drill();
    ASSERT_EQ(t_posit.nb_posit, 5);
    t_posit.QRcum_nb[marked] = 5;
    t_posit.QRcum_err[marked] = 7;
    EXPECT_EQ(record(), -1);
    EXPECT_EQ(stats(kHousesIdx1, kMaison),
              stat_line(3, 0, kToday, 0) + "\r\n" + blank_stat_line() + "\r\n");
  }
}
