// Button labels and the label table read from a sound block.
#include "session/label_table.h"

#include <gtest/gtest.h>

#include "session_fixture.h"
#include "text/line_reader.h"

namespace {

TEST(Perhaps_button, FindsALabelOnlyAtTheStartOfALine) {
  const struct {
    const char* line;
    int found, i0, i1;
  } cases[] = {
      {"A>1 Bonjour", 1, 0, 2}, {"  C>12b x", 1, 2, 6}, {"Z>9", 1, 0, 2},
      {"a>1 x", 0, -1, -1},     {"A1> x", 0, -1, -1},   {"A>x", 0, -1, -1},
      {"  A>", 0, -1, -1},      {"x A>1", 0, -1, -1},   {"", 0, -1, -1},
  };
  for (const auto& c : cases) {
    int i0 = 7;
    int i1 = 7;
    EXPECT_EQ(PERHAPS_BUTTON(c.line, i0, i1), c.found) << c.line;
    EXPECT_EQ(i0, c.i0) << c.line;
    EXPECT_EQ(i1, c.i1) << c.line;
  }
}

TEST(What_button, GivesTheRankOfAWholeLabel) {
  Label_table labels;
  labels.s_label = " A>1 B>1A>12 C>3 ";
  labels.nc_label = {3, 10, 20, 30};
  const std::pair<const char*, int> cases[] = {{"A>1", 1},  {"B>1A>12", 2}, {"C>3", 3},
                                               {"A>12", 0}, {"", 0},        {"A>1 B>1A>12", 0}};
  for (const auto& [label, rank] : cases) EXPECT_EQ(WHAT_BUTTON(label, labels), rank) << label;
  EXPECT_EQ(WHAT_BUTTON("A>1", Label_table{}), 0);
}

class Extract_label_buttons : public Text_view_test {
 protected:
  // Writes lesson 1, opens a reader on it and reads the block at offset 10.
  bool extract(const Lines& lines) {
    write_copy(1, lines);
    EXPECT_TRUE(fp.open("CPY/chat.txt"));
    nc = 10;
    return EXTRACT_LABEL_BUTTONS(nc, fp, text.labels, book);
  }
  LineReader fp;
  long nc = 0;
};

TEST_F(Extract_label_buttons, RemembersTheFirstDefinitionOfEachLabel) {
  // Offsets (CR LF line ends): 0, 10, 27, 42, 61, 76, 84.
  EXPECT_TRUE(extract({"<)start)", "A>1 a.wav 0 300", "a.wav 600 900", "B>1 a.wav 300 600",
                       "A>1 b.wav 1 2", "<)end)", "after"}));
  EXPECT_EQ(text.labels.s_label, " A>1 B>1 ");
  EXPECT_EQ(text.labels.nc_label, (std::vector<long>{2, 10, 42}));
  std::string ss;
  aln_getline(nc, ss, fp);
  EXPECT_EQ(ss, "after");

  extract({"<)start)", "a.wav 0 1", "<)end)"});
  EXPECT_EQ(text.labels.s_label, " A>1 B>1 ") << "a block without labels keeps the table";
  extract({"<)start)", "C>1 c.wav 0 1", "<)end)"});
  EXPECT_EQ(text.labels.s_label, " C>1 ");
  EXPECT_EQ(text.labels.nc_label, (std::vector<long>{1, 10}));
}

TEST_F(Extract_label_buttons, ABlockCutByTheEndOfTheFileKeepsItsLabelsAndSaysSo) {
  testing::internal::CaptureStdout();
  EXPECT_FALSE(extract({"<)start)", "B>1A>1 a.wav 0 1", "A>1 a.wav 1 2"}));
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "EXTRACT_LABEL_BUTTON no <)end) return \n");
  EXPECT_EQ(read_file("pimlo_log"), "EXTRACT_LABEL_BUTTON no <)end) return \n");
  // A label inside a longer one is a label of its own.
  EXPECT_EQ(text.labels.s_label, " B>1A>1 A>1 ");
}

}  // namespace
