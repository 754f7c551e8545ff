// A file replaced durably (AtomicFile) is its old or its new version, never
// a mixture.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "sandbox.h"
#include "text/atomic_file.h"

namespace {

using Set = std::set<std::string>;
using AtomicFileTest = Sandbox;

TEST_F(AtomicFileTest, TargetKeepsItsOldBytesAndModeUntilCommitThenHoldsTheNewOnes) {
  write_file("history.txt", "old\r\n");
  ASSERT_EQ(::chmod("history.txt", 0640), 0);
  EXPECT_EQ(stop_status([] {
              AtomicFile file;
              if (file.open("history.txt")) file.write("x");
              stop(3);
            }),
            3);
  AtomicFile no_dir;
  EXPECT_FALSE(no_dir.open("no_such_dir/history.txt") || no_dir.commit());
  {
    FileSizeLimit limit(100000);
    AtomicFile file;
    ASSERT_TRUE(file.open("history.txt"));
    file.write(std::string(300000, 'n'));
    EXPECT_FALSE(file.commit());
  }
  EXPECT_EQ(files_in("."), Set{"history.txt"});

  AtomicFile file;
  ASSERT_TRUE(file.open("history.txt"));
  std::string expected;
  for (int i = 0; i < 3000; ++i) {  // many writes, of every size, past the buffer
    const std::string piece =
        std::to_string(i) + std::string(static_cast<std::size_t>(i % 97), 'x');
    expected += piece;
    file.write(piece);
  }
  expected += std::string(200000, 'b');
  file.write(std::string(200000, 'b'));
  EXPECT_EQ(file.size(), static_cast<long>(expected.size()));
  EXPECT_EQ(read_file("history.txt"), "old\r\n");
  const Set names = files_in(".");
  ASSERT_EQ(names.size(), 2u);
  EXPECT_TRUE(is_unfinished_copy(*names.rbegin())) << *names.rbegin();  // found after a crash
  EXPECT_TRUE(file.commit());
  EXPECT_EQ(read_file("history.txt"), expected);
  EXPECT_EQ(files_in("."), Set{"history.txt"});
  struct stat st {};
  ASSERT_EQ(::stat("history.txt", &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
}

}  // namespace
