// Loading a lesson for drill on real files: the drill table, "./idx1_gene",
// references to other lessons, and broken histories.
#include "drill/error_score.h"
#include "history_fixture.h"

namespace {

class LessonLoad : public LessonDrillFixture {
 protected:
  // The generated lesson file's entry of the record `key` of `path`.
  static std::string gene_entry(const std::string& path, const std::string& key) {
    return key + "\n " + path + " * " + std::to_string(stats_offset(path, key)) + " \n";
  }
};

using References = HistoryFixture;

}  // namespace

TEST_F(References, AreFollowedWhateverTheirBlanksAndThoseThatAddNothingAreSaidAtTheDrill) {
  write_lesson(kAnimals,
               "!# ani\n# le chat * animal\nQ> le chat\nR> the cat\n# # la maison  *hou\n"
               "   ##la maison *hou\n# le chien *\nQ> le chien\nR> the dog\n##le loup *zzz\n"
               "## le  toit*hou\n");
  write_lesson(kHouses, "!# hou\n# la maison * building\nQ> la maison\nR> the house\n");
  start();
  // The blank between the hashes is dropped; an indented reference is copied
  // as read, and passed over.
  EXPECT_NE(read_file(kAnimalsIdx1).find("\r\n## la maison  *hou \r\n   ##la maison *hou \r\n"),
            std::string::npos);
  start_drill(1);
  EXPECT_EQ(t_posit.nb_posit, 3);
  EXPECT_EQ(std::vector<std::string>(screen.lines.begin(), screen.lines.begin() + 2),
            (std::vector<std::string>{
                "Reference not followed: ##le loup *zzz (no lesson has the alias \"zzz\")",
                "Reference not followed: ## le  toit*hou (lesson hou has no entry \"le toit\")"}));
}

TEST_F(LessonLoad, LoadFillsTheTableFollowsReferencesAndWritesIdx1GeneByteForByte) {
  book.ilesson = 1;
  EXPECT_EQ(run([&] { INIT_LESSON(1, book, kToday); }), -1);
  // Own records in file order, the reference to hou in its place; the
  // unknown alias and the missing entry add nothing.
  const std::string gene = read_file("./idx1_gene");
  EXPECT_EQ(gene, gene_entry(kAnimalsIdx1, kChat) + gene_entry(kAnimalsIdx1, kChien) +
                      gene_entry(kHousesIdx1, kMaison) + gene_entry(kAnimalsIdx1, kVache));
  ASSERT_EQ(t_posit.nb_posit, 4);
  EXPECT_EQ(drill_table_fault(t_posit), std::nullopt);
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(gene.compare(t_posit.posit[i], 1, "#"), 0) << i;
  // Counts and days as recorded, from both histories; errors for the day;
  // never asked first (le chien), then by decreasing error.
  EXPECT_EQ(t_posit.QRcum_nok0[1], 1);
  EXPECT_EQ(t_posit.QR_date_nok[1], 90);
  EXPECT_EQ(t_posit.QRcum_err[1], FCT_ERROR(t_err, 4, 1, kToday, 100, 90));
  EXPECT_EQ(t_posit.RQ_date_nok[4], 71);
  EXPECT_EQ(t_posit.QRord_posit[1], 2);
  EXPECT_EQ(out, "INDIRECT_IDX1 no detection of ssd=##le toit *hou  \n");
  EXPECT_EQ(log(),
            "INDIRECT_IDX1 no detection of ssd=##le toit *hou  \n"
            "in file : ./IDX1/idx1_houses.txt \n"
            "INIT_LESSON of lesson 1 done\n");
}

TEST_F(LessonLoad, BrokenOrMissingFilesStopOrAreSaidAndStayAsTheyWere) {
  const std::string head = "./IDX1/idx1_animals.txt ani \r\n";
  const std::string key = std::string(kChat) + "\r\n";
  const std::string stats = stat_line(1, 0, 5, 0) + "\r\n";
  const std::string in_animals = "in file : ./IDX1/idx1_animals.txt \n";
  const std::string no_history = "INIT_LESSON cannot open history file ./IDX1/idx1_animals.txt \n";
  struct Case {
    std::string bytes;  // of the animals' history; "" none
    int status;
    std::string printed;
    std::string logged;
  } cases[] = {
      // No history: an empty table, the generated lesson file as it was.
      {"", -1, no_history, no_history},
      // A day after today: a fault, said and loaded.
      {head + marker_line() + key + stat_line(5, 2, kToday + 1, 7) + "\r\n" + stats, -1, "",
       "INIT_LESSON and CHECK_4LINTsome error in file : ./IDX1/idx1_animals.txt \n"
       "INIT_LESSON of lesson 1 done\n"},
      {head + key + stats + stats, 1, "INIT_LESSON error 0 stop 1 \n",
       "Error no detection of ####### stop \n" + in_animals},
      {head + marker_line() + key, 2, "INIT_LESSON error 1 stop 2 \n",
       "Error no detection of values icont=1 stop \n" + in_animals},
      {head + marker_line() + key + stats + stats + key + stats, 3, "INIT_LESSON error 3 stop r \n",
       "Error no detection of values icont=2 stop \n" + in_animals},
      // A referenced record cut short stops the load of the referring lesson.
      {head + marker_line() + "##la maison *hou \r\n", 3, "INDIRECT_IDX1 error 2 stop 3 \n",
       "INDIRECT_IDX1 Error no detection of values icont=1 stop \n"
       "in file : ./IDX1/idx1_houses.txt \n"},
  };
  write_file(kHousesIdx1,
             "./IDX1/idx1_houses.txt hou \r\n" + marker_line() + kMaison + "\r\n" + stats);
  for (const Case& c : cases) {
    write_file("./idx1_gene", "as it was");
    std::filesystem::remove(kAnimalsIdx1);
    if (!c.bytes.empty()) write_file(kAnimalsIdx1, c.bytes);
    log_file.open("pimlo_log");
    EXPECT_EQ(run([&] { INIT_LESSON(1, book, kToday); }), c.status);
    EXPECT_EQ(out, c.printed);
    EXPECT_EQ(log(), c.logged);
    EXPECT_EQ(file_exists(kAnimalsIdx1) ? read_file(kAnimalsIdx1) : "", c.bytes);
    EXPECT_TRUE(!c.bytes.empty() || read_file("./idx1_gene") == "as it was");
  }

  write_file(kAnimalsIdx1, animals);
  std::filesystem::remove("./idx1_gene");
  std::filesystem::create_directory("./idx1_gene");
  EXPECT_EQ(run([&] { INIT_LESSON(1, book, kToday); }), 1);
  EXPECT_EQ(out, "INIT_LESSON cannot create ./idx1_gene stop \n");
}
