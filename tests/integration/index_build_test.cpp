// Start-up index builds on real files: working copies, history files, the
// table of old records, and what a rebuild keeps.
#include "history_fixture.h"

namespace {

const std::string kAnimalsText =
    "!# ani\n#######\nAnimals of the farm.\n# inside the text block *\n#######\n"
    "# le chat * animal pet\nQ> le chat\nR> the cat\n#\nQ> le chien, the dog\nR> the dog\n"
    "## la maison *hou\n# la vache * farm\nQ> la vache\nR> the cow (laiti\xC3\xA8re)\n"
    "END_OF_FILE\n# after the end *\n";
const std::string kHousesText = "!# hou\n# la maison * building\nQ> la maison\nR> the house\n";
const std::string kMarker = marker_line();
const std::string kHousesHead = "./IDX1/idx1_houses.txt hou \r\n" + kMarker;

class IndexBuild : public HistoryFixture {
 protected:
  void SetUp() override {
    HistoryFixture::SetUp();
    write_lesson(kAnimals, kAnimalsText);
    write_lesson(kHouses, kHousesText);
  }
};

}  // namespace

TEST_F(IndexBuild, FirstStartBuildsCopiesAndHistoriesByteForByteAndTheSecondRewritesNothing) {
  start();
  EXPECT_EQ(read_file(kAnimalsCopy),
            "!# ani\r\n#######\r\nAnimals of the farm.\r\n# inside the text block *\r\n#######\r\n"
            "# le chat * animal pet\r\nQ> le chat\r\nR> the cat\r\n#\r\nQ> le chien, the dog\r\n"
            "R> the dog\r\n## la maison *hou\r\n# la vache * farm\r\nQ> la vache\r\n"
            "R> the cow (laiti\xE8re)\r\nEND_OF_FILE\r\n# after the end *\r\n");
  // Text block skipped, nameless entry named after its question, reference
  // copied without statistics, nothing read after END_OF_FILE.
  const std::string animals =
      "./IDX1/idx1_animals.txt ani \r\n" + kMarker + "#le chat *ani 75 * animal pet \r\n" +
      blank2() + "#le chien *ani 123 * \r\n" + blank2() + "## la maison *hou \r\n" +
      "#la vache *ani 179 * farm \r\n" + blank2() + "# END_OF_FILE * 234  \r\n";
  EXPECT_EQ(read_file(kAnimalsIdx1), animals);
  // Without END_OF_FILE the end line holds the copy's length.
  EXPECT_EQ(read_file(kHousesIdx1), kHousesHead + "#la maison *hou 8 * building \r\n" + blank2() +
                                        "# END_OF_FILE * 60  \r\n");
  EXPECT_NE(log().find("file = ./IDX1/idx1_animals.txt has been updated \n"), std::string::npos);
  EXPECT_EQ(t_posit.nb_posit, 5);
  EXPECT_FALSE(file_exists("./idx1_old"));

  const auto copy_time = std::filesystem::last_write_time(kAnimalsCopy);
  const auto idx1_time = std::filesystem::last_write_time(kAnimalsIdx1);
  start();
  EXPECT_EQ(std::filesystem::last_write_time(kAnimalsCopy), copy_time);
  EXPECT_EQ(std::filesystem::last_write_time(kAnimalsIdx1), idx1_time);
  EXPECT_EQ(read_file(kAnimalsIdx1), animals);
  EXPECT_EQ(log().find("updated"), std::string::npos);
  EXPECT_NE(log().find("file = ./IDX1/idx1_houses.txt is up to date \n"), std::string::npos);
  EXPECT_EQ(files_in("IDX1"), (std::set<std::string>{"idx1_animals.txt", "idx1_houses.txt"}));
}

TEST_F(IndexBuild, EditingALessonKeepsTheHistoryOfEveryEntryWhoseNameIsUnchanged) {
  start();
  put_stats(kAnimalsIdx1, "#le chat ", stat_line(4, 1, 100, 90), stat_line(2, 0, 95, 0));
  put_stats(kAnimalsIdx1, "#le chien ", stat_line(1, 0, 50, 0), blank_stat_line());
  put_stats(kAnimalsIdx1, "#la vache ", stat_line(3, 3, 80, 81), stat_line(1, 1, 70, 71));
  age();
  const std::string before = read_file(kAnimalsIdx1);

  // A new entry at the top, new tags and response for le chat, a new
  // question for the nameless le chien (same name), la vache renamed, and
  // a second entry named le chat at the end.
  edit(kAnimals,
       "!# ani\n# l'oiseau * bird\nQ> l'oiseau\nR> the bird\n"
       "# le chat * pet\nQ> le chat\nR> the tomcat\n#\nQ> le chien; un chien\nR> the dog\n"
       "## la maison *hou\n# la vache laitiere * farm\nQ> la vache\nR> the cow\n"
       "# le chat * again\nQ> un chat\nR> a cat\n");
  start();

  EXPECT_EQ(read_file(kAnimalsIdx1),
            "./IDX1/idx1_animals.txt ani \r\n" + kMarker + "#l'oiseau *ani 8 * bird \r\n" +
                blank2() + "#le chat *ani 53 * pet \r\n" + stats2({4, 1, 100, 90}, {2, 0, 95, 0}) +
                "#le chien *ani 97 * \r\n" + stats2({1, 0, 50, 0}, {0, 0, 0, 0}) +
                "## la maison *hou \r\n" + "#la vache laitiere *ani 154 * farm \r\n" + blank2() +
                "#le chat *ani 207 * again \r\n" + stats2({4, 1, 100, 90}, {2, 0, 95, 0}) +
                "# END_OF_FILE * 248  \r\n");
  EXPECT_EQ(read_file("./idx1_old"), before);
  EXPECT_NE(log().find("Taking account of old history records \n"), std::string::npos);
  EXPECT_NE(log().find("file = ./IDX1/idx1_houses.txt is up to date \n"), std::string::npos);
}

TEST_F(IndexBuild, EntryWithoutStarKeepsItsHistoryWhateverTheFormOfItsKeyLine) {
  edit(kHouses, "!# hou\n# la porte\nQ> la porte\nR> the door\n");
  start();
  EXPECT_EQ(read_file(kHousesIdx1),
            kHousesHead + "#la porte*hou 8 * \r\n" + blank2() + "# END_OF_FILE * 46  \r\n");
  EXPECT_NE(log().find("IDX1_DICO entry without * in lesson hou at offset 8: #la porte@@@ is "
                       "taken as if its line ended with * (file : ./IDX1/idx1_houses.txt) \n"),
            std::string::npos);

  // Earlier versions wrote "#" and the name alone for an entry without "*";
  // the entry keeps its history whether or not its line has a "*" now.
  const std::string old_form =
      "CLASS_OLD_WORDS key line without * taken whole as name=la porte@@@ "
      "in file : ./idx1_old \n";
  const std::pair<std::string, std::string> cases[] = {{"#la porte*hou 8 * ", "# la porte"},
                                                       {"#la porte  ", "# la porte"},
                                                       {"#la porte  ", "# la porte *"}};
  for (const auto& [key, entry] : cases) {
    SCOPED_TRACE(key + "/" + entry);
    write_file(kHousesIdx1, kHousesHead + "#la maison *hou 8 * \r\n" + blank2() + key + "\r\n" +
                                stats2({2, 1, 100, 99}, {1, 0, 98, 0}) +
                                "# END_OF_FILE * 49  \r\n");
    age();
    edit(kHouses, "!# hou\n# la maison *\n" + entry + "\nQ> la porte\n");
    ASSERT_EQ(start(), -1);
    EXPECT_NE(read_file(kHousesIdx1).find(" * \r\n" + stats2({2, 1, 100, 99}, {1, 0, 98, 0})),
              std::string::npos);
    EXPECT_EQ(log().find(old_form) != std::string::npos, key[9] == ' ');
  }
}

TEST_F(IndexBuild, BrokenPreviousHistoryStopsAndLeavesTheHistoryFileUntouched) {
  struct Case {
    std::string history;
    int status;
    std::string message;
    std::string logged;
  } cases[] = {
      {"./IDX1/idx1_houses.txt hou \r\n#la maison *hou 8 * \r\n" + blank2(), 1,
       "Error no detection of ####### stop \n",
       "Error no detection of ####### stop \nn file : ./idx1_old \n"},
      {kHousesHead + "#la maison *hou 8 * \r\n" + blank_stat_line() +
           "\r\n# END_OF_FILE * 60  \r\n",
       3, "IDX1_DICO error in reading fp_class \n", "IDX1_DICO error in reading fp_class \n"},
  };
  start();
  for (const Case& c : cases) {
    write_file(kHousesIdx1, c.history);
    age();
    edit(kHouses, "!# hou\n# la fenetre *\n" + kHousesText.substr(7));
    EXPECT_EQ(start(), c.status);
    EXPECT_NE(out.find(c.message), std::string::npos) << out;
    EXPECT_NE(log().find(c.logged), std::string::npos);
    EXPECT_EQ(read_file(kHousesIdx1), c.history);
    EXPECT_EQ(files_in("IDX1"), (std::set<std::string>{"idx1_animals.txt", "idx1_houses.txt"}));
  }
}
