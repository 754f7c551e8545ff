#include "text/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "sandbox.h"

namespace {

std::size_t files_here() {
  std::size_t n = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(".")) ++n;
  return n;
}

}  // namespace

using AtomicFileTest = Sandbox;

TEST_F(AtomicFileTest, TargetKeepsItsOldBytesAndModeUntilCommitThenHoldsTheNewOnes) {
  write_file("history.txt", "old contents\r\n");
  ASSERT_EQ(::chmod("history.txt", 0640), 0);
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
  EXPECT_EQ(read_file("history.txt"), "old contents\r\n");
  EXPECT_TRUE(file.commit());
  EXPECT_EQ(read_file("history.txt"), expected);
  EXPECT_EQ(files_here(), 1u);
  struct stat st {};
  ASSERT_EQ(::stat("history.txt", &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(AtomicFileTest, WriterLeftUncommittedOrStoppedRemovesItsTemporaryFile) {
  write_file("history.txt", "old");
  {
    AtomicFile file;
    ASSERT_TRUE(file.open("history.txt"));
    file.write("half of the new file");
    EXPECT_EQ(files_here(), 2u);
  }
  EXPECT_EQ(read_file("history.txt"), "old");
  EXPECT_EQ(stop_status([] {
              AtomicFile file;
              if (file.open("new.txt")) file.write("x");
              stop(3);
            }),
            3);
  EXPECT_FALSE(file_exists("new.txt"));
  EXPECT_EQ(files_here(), 1u);
}

TEST_F(AtomicFileTest, MissingDirectoryIsReportedAndNothingIsCreated) {
  AtomicFile file;
  EXPECT_FALSE(file.open("no_such_dir/history.txt"));
  file.write("ignored");
  EXPECT_FALSE(file.commit());
  EXPECT_FALSE(file_exists("no_such_dir"));
}
