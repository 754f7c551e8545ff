// The listings on real catalogues: the tag census ("./pimlo_ltag" and the
// pane), the reading of tags from history files, the dictionary
// ("./pimlo_dico") and its sort by name.
#include "commands/listings.h"
#include "commands/dico_sort.h"
#include "commands/tag_tally.h"
#include "commands_fixture.h"
#include "history/history_format.h"

namespace {

class Listings : public Commands_test {
 protected:
  // Gives the record of `name` in `idx1` the counts (nb, nok) in Q->R and
  // (nb_rq, nok_rq) in R->Q.
  static void answer_record(const std::string& idx1, const std::string& name, long nb, long nok,
                            long nb_rq, long nok_rq) {
    std::string bytes = read_file(idx1);
    const std::size_t qr = bytes.find('\n', bytes.find("\n#" + name) + 1) + 1;
    bytes.replace(qr, kStatLineLength, stat_line(nb, nok, nb ? 1 : 0, nok ? 1 : 0));
    bytes.replace(qr + kStatLineLength + 2, kStatLineLength,
                  stat_line(nb_rq, nok_rq, nb_rq ? 1 : 0, nok_rq ? 1 : 0));
    write_file(idx1, bytes);
  }
  template <typename Action>
  std::string capture(Action action) {
    testing::internal::CaptureStdout();
    status = stop_status(action);
    return testing::internal::GetCapturedStdout();
  }
  int status = 0;
};

TEST_F(Listings, TheCensusListsEveryTagWithItsCountsInThePaneAndInTheFile) {
  make_catalogue(
      {{"animals.txt", "!# ani\n" + entry("chat * Q2 animal pet") + entry("chien *animal") +
                           entry("table") + entry("ours * Animal \\'el\\`eve")},
       {"more.txt", "!# more\n" + entry("\xE2ne * R1 Q3") + entry("hy\xE8ne * elevage animal") +
                        entry("cerf * eleve \xE9lev\xE9 x*y")}});
  answer_record("IDX1/idx1_animals.txt", "chat *", 1, 0, 0, 0);
  answer_record("IDX1/idx1_animals.txt", "ours *", 0, 2, 3, 0);
  answer_record("IDX1/idx1_more.txt", "\xE2ne *", 0, 0, 1, 0);
  answer_record("IDX1/idx1_more.txt", "hy\xE8ne *", 4, 1, 0, 1);
  book.nb_line = 3;  // a pane holding lines is cleared first

  capture([&] { DICO_TAGS(book); });

  EXPECT_EQ(screen.calls.front(), "clear_lines");
  const Names expected = {"*   * nb=2  QR=0  RQ=1",           "* Animal * nb=1  QR=1  RQ=1",
                          "* animal * nb=3  QR=2  RQ=1",      "* elevage * nb=1  QR=1  RQ=1",
                          "* \xE9l\xE8ve * nb=1  QR=1  RQ=1", "* eleve * nb=1  QR=0  RQ=0",
                          "* \xE9lev\xE9 * nb=1  QR=0  RQ=0", "* pet * nb=1  QR=1  RQ=0",
                          "* x y * nb=1  QR=0  RQ=0"};
  EXPECT_EQ(screen.lines, expected);
  EXPECT_EQ(book.nb_line, 9);
  std::string file;
  for (const std::string& line : expected) file += "!   " + line + " \n";
  EXPECT_EQ(read_file("pimlo_ltag"), file);
}

TEST_F(Listings, TagsExtractStopsOnACutRecordOrAKeyLineWithoutStar) {
  const std::string blank = blank_stat_line() + "\r\n";
  const std::string head = "IDX1/idx1_t.txt t \r\n" + marker_line();
  const std::string end = end_line(40);
  const std::tuple<std::string, int, const char*, const char*> cases[] = {
      {head + "#chat *t 1 * pet \r\n" + blank + end + blank, 1, "TAGS_EXTRACT error 1 \n",
       "TAGS_EXTRACT error 1 \n"},
      {head + "#chat *t 1 pet \r\n" + blank + blank, 1, "TAGS_EXTRACT error 1 stop 1 \n",
       "Error no detection of #     *  stop \nssd=#chat *t 1 pet @@@ \nn file : IDX1/idx1_t.txt "
       "\n"}};
  for (const auto& [bytes, stop, message, logged] : cases) {
    write_file("IDX1/idx1_t.txt", bytes);
    Tag_classmt classmt(log_file);
    classmt.class_path = "IDX1/idx1_t.txt";
    ASSERT_TRUE(classmt.fp_class.open(classmt.class_path));
    EXPECT_EQ(capture([&] { TAGS_EXTRACT(classmt, 9000); }), message);
    EXPECT_EQ(status, stop);
    EXPECT_NE(log().find(logged), std::string::npos) << logged;
  }
}

TEST_F(Listings, TheDictionaryListsEveryEntryOnceByNameAsReferenceLines) {
  EXPECT_EQ(stop_status([&] { PIMLO_DICO(book); }), -1);  // no lessons: nothing written
  EXPECT_FALSE(file_exists("pimlo_dico"));
  // A reference line is no entry; an entry in two lessons is listed twice,
  // in lesson order; case and accents do not part names.
  make_catalogue(
      {{"animals.txt", "!# ani\n" + entry("Chat * animal") + entry("chien *") + entry("table")},
       {"more.txt", "!# more\n" + entry("\xE2ne * R1") + "## chien *ani\n" + entry("chien * pet") +
                        entry("Hy\xE8ne *") + entry("\xE9lan *")}});
  write_file("pimlo_dico", "an old dictionary, longer than the new one ...............\n");

  EXPECT_EQ(stop_status([&] { PIMLO_DICO(book); }), -1);

  EXPECT_EQ(read_file("pimlo_dico1"),
            "#Chat *ani 8 * animal \n#chien *ani 37 * \n#table*ani 60 * \n#\xE2ne *more 9 * R1 \n"
            "#chien *more 48 * pet \n#Hy\xE8ne *more 75 * \n#\xE9lan *more 98 * \n");
  EXPECT_EQ(read_file("pimlo_dico"),
            "##\xE2ne *more 9 * R1 \n##Chat *ani 8 * animal \n##chien *ani 37 * \n"
            "##chien *more 48 * pet \n##\xE9lan *more 98 * \n##Hy\xE8ne *more 75 * \n"
            "##table*ani 60 * \nEND_OF_FILE\n");
  EXPECT_NE(log().find("file : ./pimlo_dico1  done\nfile : ./pimlo_dico  done\n"),
            std::string::npos);

  // A history without its marker line stops the dictionary; the old one stays.
  write_file("IDX1/idx1_more.txt", "./IDX1/idx1_more.txt more \r\n#chien *more 6 * \r\n");
  const std::string kept = read_file("pimlo_dico");
  EXPECT_EQ(capture([&] { PIMLO_DICO(book); }), "PIMLO_DICO1 error 0 stop 1 \n");
  EXPECT_EQ(status, 1);
  EXPECT_NE(log().find("Error no detection of ####### stop \nn file : ./IDX1/idx1_more.txt \n"),
            std::string::npos);
  EXPECT_EQ(read_file("pimlo_dico"), kept);
}

TEST(DicoSorter, RunsMergedFromTemporaryFilesGiveTheOrderOfOneSortInMemory) {
  // Names that tie once case and accents are gone, blank names, and a name
  // that is a prefix of another, shuffled into many lines.
  const char* names[] = {"Chat", "chat", "\xE2ne", "ane", "   ", "", "cha", "chats", "Zoo", "a b"};
  std::vector<std::string> lines;
  for (int i = 0; i < 400; ++i) {
    lines.push_back("#" + std::string(names[(i * 7) % 10]) + " *l" + std::to_string(i) + " 1 * ");
  }
  auto sorted = [&](std::size_t budget, std::size_t& runs) {
    Dico_sorter sorter(budget);
    for (const std::string& line : lines) EXPECT_TRUE(sorter.add(line));
    std::string out;
    EXPECT_TRUE(sorter.for_each_sorted([&](std::string_view line) { (out += line) += '\n'; }));
    runs = sorter.spilled_runs();
    return out;
  };
  std::size_t runs_in_memory = 0;
  std::size_t runs_on_disk = 0;
  const std::string in_memory = sorted(Dico_sorter::kBudget, runs_in_memory);
  EXPECT_EQ(sorted(300, runs_on_disk), in_memory);
  EXPECT_EQ(runs_in_memory, 0u);
  EXPECT_GT(runs_on_disk, 20u);
  // Blank names first, then by key; ties keep the order they were added in.
  EXPECT_EQ(in_memory.substr(0, 26), "#    *l2 1 * \n# *l5 1 * \n#");
  EXPECT_LT(in_memory.find("#Chat *l0 "), in_memory.find("#chat *l3 "));
  EXPECT_LT(in_memory.find("#chat *l3 "), in_memory.find("#Chat *l10 "));

  // Long names alike in their first 16 or 24 bytes part where they differ.
  Dico_sorter long_names;
  for (const char* line : {"#abcdefghijklmnopq *l1", "#abcdefghijklmnopa *l2",
                           "#abcdefghijklmnopqrstuvwxy2 *l3", "#abcdefghijklmnopqrstuvwxy1 *l4"}) {
    EXPECT_TRUE(long_names.add(line));
  }
  std::string order;
  EXPECT_TRUE(long_names.for_each_sorted([&](std::string_view line) { order += line.back(); }));
  EXPECT_EQ(order, "2143");
}

}  // namespace
