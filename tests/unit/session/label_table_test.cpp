// Button labels and the label table read from a sound block.
#include <gtest/gtest.h>

#include "session/label_table.h"
#include "text/line_reader.h"
#include "text_view_fixture.h"

namespace {

struct Label_case {
  const char* line;
  int found;
  int i0;
  int i1;
};

TEST(Perhaps_button, FindsALabelOnlyAtTheStartOfALine) {
  const Label_case cases[] = {
      {"A>1 Bonjour", 1, 0, 2}, {"  C>12b x", 1, 2, 6}, {"A>1", 1, 0, 2},   {"Z>9", 1, 0, 2},
      {"a>1 x", 0, -1, -1},     {"A1> x", 0, -1, -1},   {"A>x", 0, -1, -1}, {"  A>", 0, -1, -1},
      {"x A>1", 0, -1, -1},     {"", 0, -1, -1},        {"   ", 0, -1, -1},
  };
  for (const Label_case& c : cases) {
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
  EXPECT_EQ(WHAT_BUTTON("A>1", labels), 1);
  EXPECT_EQ(WHAT_BUTTON("B>1A>12", labels), 2);
  EXPECT_EQ(WHAT_BUTTON("C>3", labels), 3);
  // Part of a label, an empty one or one holding a space is none.
  EXPECT_EQ(WHAT_BUTTON("A>12", labels), 0);
  EXPECT_EQ(WHAT_BUTTON("", labels), 0);
  EXPECT_EQ(WHAT_BUTTON("A>1 B>1A>12", labels), 0);
  EXPECT_EQ(WHAT_BUTTON("A>1", Label_table{}), 0);
}

class Extract_label_buttons : public Text_view_test {
 protected:
  // Writes lesson 1 and opens a reader on it.
  void write(const std::vector<std::string>& lines) {
    write_copy(1, lines);
    ASSERT_TRUE(fp.open("CPY/chat.txt"));
  }
  LineReader fp;
};

TEST_F(Extract_label_buttons, RemembersTheFirstDefinitionOfEachLabel) {
  // Offsets (CR LF line ends): 0, 10, 27, 42, 61, 76, 84.
  write({"<)start)", "A>1 a.wav 0 300", "a.wav 600 900", "B>1 a.wav 300 600", "A>1 b.wav 1 2",
         "<)end)", "after"});
  long nc = 10;
  EXPECT_TRUE(EXTRACT_LABEL_BUTTONS(nc, fp, text.labels, book));
  EXPECT_EQ(text.labels.s_label, " A>1 B>1 ");
  EXPECT_EQ(text.labels.nc_label, (std::vector<long>{2, 10, 42}));
  std::string ss;
  aln_getline(nc, ss, fp);
  EXPECT_EQ(ss, "after");
}

TEST_F(Extract_label_buttons, ABlockWithoutLabelsKeepsTheTableAndTheNextOneReplacesIt) {
  write({"<)start)", "A>1 a.wav 0 1", "<)end)", "<)start)", "a.wav 0 1", "<)end)", "<)start)",
         "C>1 c.wav 0 1", "<)end)"});
  long nc = 10;
  EXTRACT_LABEL_BUTTONS(nc, fp, text.labels, book);
  nc += 10;
  EXTRACT_LABEL_BUTTONS(nc, fp, text.labels, book);
  EXPECT_EQ(text.labels.s_label, " A>1 ");
  nc += 10;
  EXTRACT_LABEL_BUTTONS(nc, fp, text.labels, book);
  EXPECT_EQ(text.labels.s_label, " C>1 ");
  EXPECT_EQ(text.labels.nc_label.size(), 2u);
  EXPECT_EQ(text.labels.nc_label[0], 1);
}

TEST_F(Extract_label_buttons, ABlockCutByTheEndOfTheFileKeepsItsLabelsAndSaysSo) {
  write({"<)start)", "B>1A>1 a.wav 0 1", "A>1 a.wav 1 2"});
  long nc = 10;
  testing::internal::CaptureStdout();
  EXPECT_FALSE(EXTRACT_LABEL_BUTTONS(nc, fp, text.labels, book));
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "EXTRACT_LABEL_BUTTON no <)end) return \n");
  EXPECT_EQ(read_file("pimlo_log"), "EXTRACT_LABEL_BUTTON no <)end) return \n");
  // A label inside a longer one is a label of its own.
  EXPECT_EQ(text.labels.s_label, " B>1A>1 A>1 ");
  EXPECT_EQ(text.labels.nc_label[0], 2);
}

}  // namespace
