// Reference lines written with blanks before or between their two "#": the
// history built from such a lesson must load like any other.
#include <gtest/gtest.h>

#include "history_fixture.h"

namespace {

class ReferenceLine : public LessonDrillFixture {};

}  // namespace

TEST_F(ReferenceLine, BlanksBetweenTheTwoHashesAreDroppedAndAnIndentedLineIsCopiedAsRead) {
  age();
  edit(kAnimals,
       "!# ani\n# le chat * animal pet\nQ> le chat\nR> the cat\n# #la maison *hou\n"
       "   ##la maison *hou\n  # #la maison *hou\n# le chien *\nQ> le chien\nR> the dog\n");
  start();
  const std::string history = read_file(kAnimalsIdx1);
  EXPECT_NE(history.find("\r\n##la maison *hou \r\n   ##la maison *hou \r\n  # #la maison *hou "
                         "\r\n#le chien *ani "),
            std::string::npos)
      << history;

  load();  // the indented lines are passed over
  ASSERT_EQ(t_posit.nb_posit, 3);
  const std::string gene = read_file("./idx1_gene");
  EXPECT_EQ(gene.compare(t_posit.posit[2], std::string(kMaison).size(), kMaison), 0) << gene;
}
