// The maintenance commands on real files: check and correct, synchronise,
// transfer of the old single-line form; a broken history stops them with
// their message and without a byte changed.
#include <tuple>

#include "history/maintenance.h"
#include "history_fixture.h"
#include "text/number_fields.h"

namespace {

const std::string kHead = "./IDX1/idx1_houses.txt hou \r\n" + marker_line();

class Maintenance : public HistoryFixture {
 protected:
  void SetUp() override {
    HistoryFixture::SetUp();
    write_lesson(kAnimals, "!# ani\n# le chat *\nQ> le chat\nR> the cat\n");
    write_lesson(kHouses,
                 "!# hou\n# la maison * building\nQ> la maison\nR> the house\n# Le Toit *\n"
                 "Q> le toit\n");
    start();
    animals = read_file(kAnimalsIdx1);
  }

  static std::string houses_history(const std::string& maison, const std::string& toit) {
    return kHead + "#la maison *hou 8 * building \r\n" + maison + "#Le Toit *hou 60 * \r\n" + toit +
           "# END_OF_FILE * 85  \r\n";
  }

  std::string animals;
};

// A statistics line of the old single-line form.
std::string old_line(long n1, long w1, long d1, long n2, long w2, long d2) {
  std::string line;
  for (long v : {n1, w1, d1, n2, w2, d2}) line += LNB_12CHAR(v) + ";";
  return line + "\r\n";
}

}  // namespace

TEST_F(Maintenance, CheckByAliasRewritesFaultyLinesAndKeepsTheFaultyVersionAsBackup) {
  put_stats(kHousesIdx1, "#la maison ", stat_line(5, 2, 99999, 90), stat_line(1, 0, 30, 0));
  // A count no drill can have recorded: repaired, the rest of its line kept.
  put_stats(kHousesIdx1, "#Le Toit ", stat_line(46065403, 1, 30, 40), blank_stat_line());
  const std::string faulty = read_file(kHousesIdx1);

  CHECK_CORR_SNG_DBASE("hou", book);

  EXPECT_EQ(read_file(kHousesIdx1), houses_history(stats2({0, 2, 0, 90}, {1, 0, 30, 0}),
                                                   stats2({0, 1, 0, 40}, {0, 0, 0, 0})));
  EXPECT_EQ(read_file("./IDX1/cpy_idx1_houses.txt"), faulty);
  EXPECT_NE(log().find("IDX1_DICO and CHECK_4LINTsome error in file : ./IDX1/idx1_houses.txt \n"),
            std::string::npos);
}

TEST_F(Maintenance, SynchronisationKeepsTheHigherCountsAndLaterDaysOfBothCopies) {
  put_stats(kHousesIdx1, "#la maison ", stat_line(4, 1, 100, 90), stat_line(1, 0, 7, 0));
  // The other copy knows Le Toit (capital letters kept) and not la maison's
  // R->Q answers.
  write_file("usb/copy/idx1_houses.txt", houses_history(stats2({3, 2, 102, 95}, {0, 0, 0, 0}),
                                                        stats2({2, 0, 50, 0}, {0, 1, 0, 51})));

  SYNCHRO_ALL_DBASE("  usb\\copy ", book);

  EXPECT_EQ(read_file(kHousesIdx1), houses_history(stats2({4, 2, 102, 95}, {1, 0, 7, 0}),
                                                   stats2({2, 0, 50, 0}, {0, 1, 0, 51})));
  // No other copy of animals: its history stays as it was.
  EXPECT_EQ(read_file(kAnimalsIdx1), animals);
  EXPECT_TRUE(file_exists("./IDX1/cpy_idx1_animals.txt"));
}

// The check rebuilds through the start-up's rebuild, whose breaks the index
// build tests give; the synchronisation reads both copies itself.
TEST_F(Maintenance, ABrokenHistoryStopsTheSynchronisationWithoutAByteChanged) {
  const std::string marker = marker_line();
  const std::string toit = "#Le Toit *hou 60 * \r\n";
  const std::string houses = read_file(kHousesIdx1);
  const std::tuple<std::string, int, const char*> breaks[] = {
      {houses.substr(0, houses.find(marker)) + houses.substr(houses.find(marker) + marker.size()),
       1, "Error no detection of ####### stop \n"},
      {houses.substr(0, houses.find(toit) + toit.size()), 3,
       "SYNCHRO_IDX1 error in reading fp_class \n"},
      {houses.substr(0, houses.find(toit) + toit.size() + kStatLineLength + 2), 3,
       "SYNCHRO_IDX1 error 2 in reading fp_class \n"},
  };
  for (const auto& [bytes, status, message] : breaks) {
    write_file(kHousesIdx1, bytes);
    EXPECT_EQ(run([this] { SYNCHRO_ALL_DBASE("./IDX1", book); }), status) << message;
    EXPECT_NE(out.find(message), std::string::npos) << out;
    EXPECT_EQ(read_file(kHousesIdx1), bytes);
  }
}

TEST_F(Maintenance, TransferConvertsTheOldFormAndLeavesOutOtherFiles) {
  const std::string old = kHead + "#la maison *hou 8 * building \r\n" +
                          old_line(5, 2, 200, 2, 2, 200) + "## le chat *ani \r\n" +
                          "#Le Toit *hou 60 * \r\n" + old_line(0, 0, 0, 0, 0, 150) +
                          "# END_OF_FILE * 85  \r\n";
  write_file(kHousesIdx1, old);

  EXPECT_EQ(run([&] { TRF_ALL_DBASE(book); }), -1);
  EXPECT_EQ(out, "Create directory IDX1_TRF \n");
  const std::string body = "./IDX1/idx1_houses.txt hou \n" + std::string(53, '#') + "\n" +
                           "#la maison *hou 8 * building \n" + stat_line(3, 2, 200, 199) + "\n" +
                           stat_line(0, 2, 0, 199) + "\n" + "## le chat *ani \n" +
                           "#Le Toit *hou 60 * \n" + stat_line(0, 0, 0, 0) + "\n" +
                           stat_line(0, 0, 0, 0) + "\n";
  EXPECT_EQ(read_file("./IDX1_TRF/idx1_houses.txt"),
            body + "# END_OF_FILE * " + std::to_string(body.size()) + " \n");
  EXPECT_EQ(read_file(kHousesIdx1), old);
  // The animals' history is in the current form already.
  EXPECT_EQ(files_in("IDX1_TRF"), std::set<std::string>{"idx1_houses.txt"});
}

// A history without its marker line stops every reader alike (see the
// loading tests); a record cut short is the conversion's own stop.
TEST_F(Maintenance, TransferOfARecordCutShortStopsWithoutLeavingAConvertedFile) {
  write_file(kHousesIdx1, "x hou \r\n" + marker_line() + "#la maison *hou 8 * \r\n");
  EXPECT_EQ(run([&] { TRF_IDX1_FILE(log_file, kHousesIdx1, "./trf_houses.txt"); }), 2);
  EXPECT_EQ(out, "TRF_IDX1_FILE error 1 stop 2 \n");
  EXPECT_FALSE(file_exists("./trf_houses.txt"));
}
