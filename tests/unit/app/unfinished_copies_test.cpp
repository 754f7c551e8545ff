// The copies a crash left beside the files they were to replace are removed
// at start-up; nothing else is.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "app/unfinished_copies.h"
#include "base/log_file.h"
#include "catalogue/trf_string.h"
#include "sandbox.h"

namespace {

class UnfinishedCopies : public Sandbox {};

TEST_F(UnfinishedCopies, ThoseInTheProgramsDirectoriesAreRemovedAndLogged) {
  for (const char* path :
       {"IDX1/idx1_a.txt", "IDX1/idx1_a.txt.new4242_1", "CPY/a.txt", "CPY/a.txt.new4242_2",
        "Pimlo_last_state.new4242_3", "lessons/a.txt", "lessons/a.txt.new4242_4", "notes.new"}) {
    write_file(path, "x");
  }
  mkdir("IDX1/kept.new1_1", 0777);
  Trf_string G_kentel;
  LogFile log;
  ASSERT_TRUE(log.open("log"));
  remove_unfinished_copies(log, G_kentel);

  for (const char* gone :
       {"IDX1/idx1_a.txt.new4242_1", "CPY/a.txt.new4242_2", "Pimlo_last_state.new4242_3"}) {
    EXPECT_FALSE(file_exists(gone)) << gone;
  }
  // Outside the program's directories, and anything not a file, is left.
  for (const char* kept : {"IDX1/idx1_a.txt", "CPY/a.txt", "lessons/a.txt.new4242_4", "notes.new",
                           "IDX1/kept.new1_1"}) {
    EXPECT_TRUE(file_exists(kept)) << kept;
  }
  const std::string text = read_file("log");
  EXPECT_NE(text.find("removed the unfinished copy ./IDX1/idx1_a.txt.new4242_1 \n"),
            std::string::npos)
      << text;
}

}  // namespace
