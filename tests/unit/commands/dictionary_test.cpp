#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "commands/dico_sort.h"
#include "commands/listings.h"
#include "listings_fixture.h"
#include "text/accents.h"

namespace {

class Dictionary : public Listings_test {
 protected:
  int run() {
    testing::internal::CaptureStdout();
    const int status = stop_status([&] { PIMLO_DICO(book); });
    said = testing::internal::GetCapturedStdout();
    return status;
  }
  std::string said;
};

TEST_F(Dictionary, ListsEveryEntryOnceByNameAsReferenceLines) {
  // A reference line is no entry; an entry in two lessons is listed twice,
  // in lesson order; case and accents do not part names.
  make_catalogue(
      {{"animals.txt", "!# ani\n" + entry("Chat * animal") + entry("chien *") + entry("table")},
       {"more.txt", "!# more\n" + entry("\xE2ne * R1") + "## chien *ani\n" + entry("chien * pet") +
                        entry("Z\xE8"
                              "bre *") +
                        entry("\xE9lan *")}});
  write_file("pimlo_dico", "an old dictionary, longer than the new one ...............\n");

  EXPECT_EQ(run(), -1);

  EXPECT_EQ(read_file("pimlo_dico1"),
            "#Chat *ani 8 * animal \n"
            "#chien *ani 37 * \n"
            "#table*ani 60 * \n"
            "#\xE2ne *more 9 * R1 \n"
            "#chien *more 48 * pet \n"
            "#Z\xE8"
            "bre *more 75 * \n"
            "#\xE9lan *more 98 * \n");
  EXPECT_EQ(read_file("pimlo_dico"),
            "##\xE2ne *more 9 * R1 \n"
            "##Chat *ani 8 * animal \n"
            "##chien *ani 37 * \n"
            "##chien *more 48 * pet \n"
            "##\xE9lan *more 98 * \n"
            "##table*ani 60 * \n"
            "##Z\xE8"
            "bre *more 75 * \n"
            "END_OF_FILE\n");
  const std::string log = read_file("pimlo_log");
  EXPECT_NE(log.find("file : ./pimlo_dico1  done\nfile : ./pimlo_dico  done\n"), std::string::npos);
  EXPECT_EQ(said, "");
}

TEST_F(Dictionary, LessonsWithoutEntriesGiveAnEmptyDictionary) {
  make_catalogue({{"empty.txt", "!# vide\n"}});
  EXPECT_EQ(run(), -1);
  EXPECT_EQ(read_file("pimlo_dico1"), "");
  EXPECT_EQ(read_file("pimlo_dico"), "END_OF_FILE\n");
}

TEST_F(Dictionary, NothingIsWrittenWithoutLessons) {
  EXPECT_EQ(run(), -1);
  EXPECT_FALSE(file_exists("pimlo_dico1"));
  EXPECT_FALSE(file_exists("pimlo_dico"));
}

TEST_F(Dictionary, AHistoryWithoutMarkerLineStopsAndTheOldDictionaryStays) {
  make_catalogue({{"a.txt", "!# a\n" + entry("un *")}, {"b.txt", "!# b\n" + entry("deux *")}});
  write_file("IDX1/idx1_b.txt", "./IDX1/idx1_b.txt b \r\n#deux *b 6 * \r\n");
  write_file("pimlo_dico", "old\n");

  EXPECT_EQ(run(), 1);

  EXPECT_EQ(said, "PIMLO_DICO1 error 0 stop 1 \n");
  EXPECT_NE(read_file("pimlo_log")
                .find("Error no detection of ####### stop \n"
                      "n file : ./IDX1/idx1_b.txt \n"),
            std::string::npos);
  EXPECT_EQ(read_file("pimlo_dico"), "old\n");
}

// ---- The sort on its own --------------------------------------------------

// A work file of `lines` (each followed by a line feed) and the offsets of
// its lines, from posit[1].
std::vector<long> work_file(const std::vector<std::string>& lines) {
  std::string bytes;
  std::vector<long> posit(1, 0);
  for (const std::string& line : lines) {
    posit.push_back(static_cast<long>(bytes.size()));
    bytes += line + "\n";
  }
  write_file("work", bytes);
  return posit;
}

class Dictionary_sort : public Sandbox {
 protected:
  // The lines of the work file in the order of `posit`.
  std::vector<std::string> lines_at(const std::vector<long>& posit) {
    std::vector<std::string> lines;
    for (std::size_t r = 1; r < posit.size(); ++r) {
      long nc = posit[r];
      std::string line;
      aln_getline(nc, line, fp);
      lines.push_back(line);
    }
    return lines;
  }

  int sort(std::vector<long>& posit) {
    EXPECT_TRUE(fp.open("work"));
    testing::internal::CaptureStdout();
    const int status =
        stop_status([&] { MERGESORT_ABC_FILE(1, static_cast<int>(posit.size()) - 1, posit, fp); });
    said = testing::internal::GetCapturedStdout();
    return status;
  }

  LineReader fp;
  std::string said;
};

TEST_F(Dictionary_sort, BlankNamesComeFirstAndEqualNamesKeepTheirOrder) {
  std::vector<long> posit = work_file({"#b *x 1 *", "#   *x 2 *", "#B *x 3 *", "#*x 4 *",
                                       "#\xE0 *x 5 *", "#a *x 6 *", "#Ab *x 7 *", "#a-b *x 8 *"});
  EXPECT_EQ(sort(posit), -1);
  EXPECT_EQ(lines_at(posit),
            (std::vector<std::string>{"#   *x 2 *", "#*x 4 *", "#\xE0 *x 5 *", "#a *x 6 *",
                                      "#a-b *x 8 *", "#Ab *x 7 *", "#b *x 1 *", "#B *x 3 *"}));
}

TEST_F(Dictionary_sort, ABrokenLineStopsWithTheSideItWasComparedOn) {
  // The first comparison is of lines 1 and 2.
  std::vector<long> right_broken = work_file({"#b *", "no key line"});
  EXPECT_EQ(sort(right_broken), 14);
  EXPECT_EQ(said, "MERGE_ABC_FILE error 14 \n");

  std::vector<long> left_broken = work_file({"# END_OF_FILE *", "#a *"});
  EXPECT_EQ(sort(left_broken), 13);
  EXPECT_EQ(said, "MERGE_ABC_FILE error 13 \n");

  std::vector<long> beyond = work_file({"#a *", "#b *", "#c *"});
  beyond[3] = 4000;  // past the end of the file
  EXPECT_EQ(sort(beyond), 14);

  // A single line is never compared.
  std::vector<long> alone = {0, 4000};
  EXPECT_EQ(sort(alone), -1);
}

TEST_F(Dictionary_sort, GivesTheOrderOfAStableSortThatReadsTheLinesAtEveryComparison) {
  std::mt19937 random(7);
  const std::string letters = "aAbB \xE0\xC0\xE9-";
  std::vector<std::string> lines;
  for (int i = 0; i < 2000; ++i) {
    std::string name;
    for (int n = random() % 4; n > 0; --n) name += letters[random() % letters.size()];
    lines.push_back("#" + name + " *x " + std::to_string(i) + " *");
  }
  std::vector<long> posit = work_file(lines);
  std::vector<long> expected = posit;

  ASSERT_EQ(sort(posit), -1);

  // Each comparison reads both lines again and builds their keys.
  auto key_at = [&](long offset) {
    std::string line;
    aln_getline(offset, line, fp);
    std::string name = line.substr(1, line.find('*') - 1);
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    RM_ACCENTS(name);
    const bool blank = name.find_first_not_of(' ') == std::string::npos;
    return std::make_pair(!blank, blank ? std::string() : name);
  };
  std::stable_sort(expected.begin() + 1, expected.end(),
                   [&](long a, long b) { return key_at(a) < key_at(b); });
  EXPECT_EQ(posit, expected);
}

}  // namespace
