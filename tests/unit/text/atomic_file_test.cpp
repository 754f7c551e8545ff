#include "text/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "sandbox.h"

namespace {

class AtomicFileTest : public Sandbox {};

std::size_t files_in_current_directory() {
  std::size_t n = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(".")) ++n;
  return n;
}

mode_t mode_of(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::stat(path.c_str(), &st), 0);
  return st.st_mode & 07777;
}

}  // namespace

TEST_F(AtomicFileTest, TargetKeepsItsOldBytesUntilCommitThenHoldsTheNewOnes) {
  write_file("history.txt", "old contents\r\n");
  AtomicFile file;
  ASSERT_TRUE(file.open("history.txt"));
  file.write("new ");
  file.write("contents\r\n");
  EXPECT_EQ(file.size(), 14);
  EXPECT_EQ(read_file("history.txt"), "old contents\r\n");

  EXPECT_TRUE(file.commit());
  EXPECT_EQ(read_file("history.txt"), "new contents\r\n");
  EXPECT_EQ(files_in_current_directory(), 1u);
}

TEST_F(AtomicFileTest, WriterLeftUncommittedRemovesItsTemporaryFile) {
  write_file("history.txt", "old");
  {
    AtomicFile file;
    ASSERT_TRUE(file.open("history.txt"));
    file.write("half of the new file");
    EXPECT_EQ(files_in_current_directory(), 2u);
  }
  EXPECT_EQ(read_file("history.txt"), "old");
  EXPECT_EQ(files_in_current_directory(), 1u);

  try {
    AtomicFile file;
    ASSERT_TRUE(file.open("new.txt"));
    file.write("x");
    stop(3);
  } catch (const ProgramStop&) {
  }
  EXPECT_FALSE(file_exists("new.txt"));
  EXPECT_EQ(files_in_current_directory(), 1u);
}

TEST_F(AtomicFileTest, WritesLargerThanTheBufferArriveInOrder) {
  std::string expected;
  AtomicFile file;
  ASSERT_TRUE(file.open("big.txt"));
  for (int i = 0; i < 3000; ++i) {
    const std::string piece =
        std::to_string(i) + std::string(static_cast<std::size_t>(i % 97), 'x');
    expected += piece;
    file.write(piece);
  }
  const std::string block(200000, 'b');
  expected += block;
  file.write(block);
  ASSERT_TRUE(file.commit());
  EXPECT_EQ(read_file("big.txt"), expected);
}

TEST_F(AtomicFileTest, ReplacementKeepsThePermissionBitsOfTheOldFile) {
  write_file("history.txt", "old");
  ASSERT_EQ(::chmod("history.txt", 0640), 0);
  AtomicFile file;
  ASSERT_TRUE(file.open("history.txt"));
  file.write("new");
  ASSERT_TRUE(file.commit());
  EXPECT_EQ(mode_of("history.txt"), 0640u);
}

TEST_F(AtomicFileTest, MissingDirectoryIsReportedAndNothingIsCreated) {
  AtomicFile file;
  EXPECT_FALSE(file.open("no_such_dir/history.txt"));
  file.write("ignored");
  EXPECT_FALSE(file.commit());
  EXPECT_FALSE(file_exists("no_such_dir"));
}
